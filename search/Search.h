// Text search in the open PDF: the search bar's behaviour, the search
// itself in reading order with wrap-around, and the yellow tint of the
// current match. The operations the shell and the view call are declared in
// app/Features.h; this header adds the state and the pieces tests reach.
#ifndef FOLIVEX_SEARCH_H
#define FOLIVEX_SEARCH_H

#include <windows.h>

#include "../app/Features.h"

// Longest text searched, in UTF-16 units; the buffer adds the terminator.
#define SEARCH_TEXT_MAX 255
// Rectangles kept for one match; a match spread over more is drawn and
// located by its first ones only.
#define MaxHitRects     64

// Margins of the band in which a match is left where it is (device pixels).
#define SEARCH_BAND_TOP    20
#define SEARCH_BAND_BOTTOM 60
#define SEARCH_BAND_RIGHT  40

// One rectangle of a match in page space (points, y upwards).
struct SearchHitRect {
    double left;
    double top;
    double right;
    double bottom;
};

struct SearchStateRecord {
    wchar_t lastText[SEARCH_TEXT_MAX + 1];
    int hitPage;      // -1: no current match
    int hitIndex;     // first character of the match in the page's text
    int hitRectCount; // 0 .. MaxHitRects
    SearchHitRect hitRects[MaxHitRects];
};

extern SearchStateRecord SearchState;

// The scroll position that shows a match whose top-left corner is at strip
// point (hitX, hitY): unchanged on an axis where the point already lies in
// the comfortable band of the view, else the point is brought a third of
// the way down (or to the middle horizontally).
void SearchScrollTarget(int hitX, int hitY, int *newX, int *newY);

// Tints the pixels of [x1, x2) x [y1, y2), grown by one pixel on every side
// and clipped to the bitmap, half-way towards yellow. bits are 4 bytes per
// pixel in blue, green, red, unused order, stride bytes per row.
void BlendHighlight(unsigned char *bits, int width, int height, int stride, int x1, int y1, int x2, int y2);

// When set, a search that finds nothing calls this instead of beeping, so
// tests can count the beeps.
extern void (*SearchBeepHook)(void);

#endif
