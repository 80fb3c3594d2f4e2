// Drawing comic pages into the view's paint bitmap.
#ifndef FOLIVEX_IMAGING_COMICDRAW_H
#define FOLIVEX_IMAGING_COMICDRAW_H

#include <windows.h>
#include <stdint.h>

#include "../archive/ComicBook.h"

// The grey of a page that has no image: every byte of its pixels.
#define PAGE_PLACEHOLDER_BYTE 221

// The part of a w x h page at (x, y) that lies inside a bitmap; 0 when none.
struct ClipRect {
    int x0, y0, x1, y1;
};
int ClipPage(int bitmapWidth, int bitmapHeight, int x, int y, int w, int h, ClipRect *clip);

// Puts an image of dw x dh pixels into the bitmap as a page drawn at w x h
// at (x, y): a row copy when the sizes match, bilinear enlargement when not.
// Only the part inside the bitmap is written.
void DrawPageImage(const BYTE *image, int dw, int dh, BYTE *bits, int bitmapWidth, int bitmapHeight, int x, int y,
                   int w, int h);

// Fills the visible part of a page with the placeholder grey.
void DrawPagePlaceholder(BYTE *bits, int bitmapWidth, int bitmapHeight, int x, int y, int w, int h);

// Draws one comic page, decoding it now if it is not cached.
void DrawComicPage(ComicBook *comic, int page, void *bits, int bitmapWidth, int bitmapHeight, int x, int y, int w,
                   int h);

#endif
