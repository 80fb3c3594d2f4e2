// The thumbnail panel: a column of page miniatures at the left of the main
// window, the current page framed, a click jumping there; and the idle-time
// rendering that fills it, PDF pages progressively on the UI thread, comic
// pages through the decode worker.
#ifndef FOLIVEX_THUMBS_H
#define FOLIVEX_THUMBS_H

#include <windows.h>
#include <stdint.h>

#include "../view/Document.h"

// A slot holds one of these markers or the page's DIB section.
#define THUMB_EMPTY   0
#define THUMB_FAILED  1
#define THUMB_PENDING 2
typedef uintptr_t ThumbSlot;

// Live miniature bitmaps kept at most; the farthest from view go first.
#define MAX_THUMB_BITMAPS 160

// A new PDF miniature waits until the user's input has paused this long
// (milliseconds), and the panel's timer of that id wakes the loop for it.
#define THUMB_INPUT_LULL 200
#define THUMB_LULL_TIMER 1

// The column never grows beyond this many pixels, so item positions, the
// scroll position and the scroll bar stay inside 32-bit arithmetic; pages
// past it get no miniature.
#define MAX_THUMB_COLUMN 0x40000000

// Colours as GDI takes them (0x00BBGGRR).
#define THUMB_BACKGROUND_COLOR 0x554D4A
#define THUMB_FRAME_COLOR      0xE8845B
#define THUMB_NUMBER_COLOR     0xEEE7E4

struct ThumbsStateRecord {
    FPDF_DOCUMENT pdf;
    ComicBook *comic;
    int active; // a document with pages is shown in the column
    int count;  // items in the column
    int scrollPos;
    int clientHeight;
    int contentHeight;
    int bitmapCount;
    const double *pageWidths; // borrowed from the document
    const double *pageHeights;
    int *itemTop;     // content pixels
    ThumbSlot *slots; // one block with itemTop
    int highlight;    // the framed page, -1 for none
    int shown;        // the user's wish, remembered as HideThumbs
};

extern ThumbsStateRecord ThumbsState;

// The one PDF miniature in progress; it survives across idle calls.
struct ThumbRenderRecord {
    int page; // -1 when none
    int width;
    int height;
    FPDF_PAGE pdfPage; // loaded for this render only
    FPDF_BITMAP bitmap;
    IFSDK_PAUSE pause;
};

extern ThumbRenderRecord ThumbRender;

// Registers the class and creates the hidden panel; start-up calls it once
// after the main window exists.
void CreateThumbsWindow(void);

LRESULT CALLBACK ThumbsWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// 0 while hidden or with no document, else the width the main window gives it.
int ThumbsPanelWidth(void);

// F4 and the window-menu entry: shows or hides the panel and stores the
// choice. The caller places the children again.
void ToggleThumbs(void);

// Every open (with the new document) and every close (nulls and 0, before
// the old pages go) starts the column over: miniatures, render in progress
// and scroll position are dropped.
void ResetThumbs(FPDF_DOCUMENT pdf, ComicBook *comic, int count, const double *pageWidths, const double *pageHeights);

// Frames the page and scrolls it into the column's view.
void FollowCurrentPage(int page);

// The miniature size of a page of the given size in points: 96 pixels wide
// (at 96 DPI), or at most 192 high and narrower for tall pages.
void ThumbSizeForPage(double width, double height, int *w, int *h);
void ThumbSize(int page, int *w, int *h);

void ScrollThumbsTo(int pos);
void UpdateThumbsScrollBar(void);

// The items that reach into the panel's client area; last < first when none.
void VisibleThumbRange(int *first, int *last);

// The page whose click zone holds client row y, or -1.
int ThumbAtClientY(int y);

void PaintThumbs(HDC hdc);

// The idle step of the message loop: one slice of miniature work. Nonzero
// when it wants to be called again before the loop sleeps.
int ThumbsIdleStep(void);

// The pause test of the progressive render: anything queued for this thread.
FPDF_BOOL PauseIfInputPending(IFSDK_PAUSE *pause);

int ComicThumbStep(void);

// Ends the PDF miniature in progress, if any: render, page and bitmap.
void AbandonThumbRender(void);

// The next page to render: the visible ones top down, then alternately one
// below and one above, a screenful each way; -1 when nothing is left.
int NextThumbToRender(void);

// Deletes the miniatures farthest from view until MAX_THUMB_BITMAPS remain.
void TrimThumbCache(void);

HBITMAP DibFromPdfBitmap(FPDF_BITMAP bitmap, int width, int height);

// A finished comic thumbnail job of the open book; takes over the bitmap.
void OnThumbDecoded(int page, HBITMAP bitmap, int succeeded);

#endif
