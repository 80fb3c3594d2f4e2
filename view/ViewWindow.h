// The view window: paints the page strip and turns mouse, wheel, scroll-bar
// and keyboard input into scrolling, zooming and mode changes.
#ifndef FOLIVEX_VIEWWINDOW_H
#define FOLIVEX_VIEWWINDOW_H

#include <windows.h>

// Strip background and empty-window grey, and the PDF page background, as
// the engine's ARGB fill colours.
#define STRIP_COLOR 0xFF808080
#define PAGE_COLOR  0xFFFFFFFF

LRESULT CALLBACK ViewWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Renders the part of the strip inside paintRect (client coordinates) into
// one bitmap of exactly that size and copies it to hdc.
void PaintPages(HDC hdc, const RECT *paintRect);

// The idle-time step of comics: hands the decode worker the next page
// after the visible ones that is not decoded yet (a row's worth), else the
// one before them. Returns at once with a PDF, a busy worker or nothing to do.
void PrefetchStep(void);

#endif
