// Text search in the open PDF: the search bar's behaviour, the search
// itself in reading order with wrap-around, and the yellow tint of the
// current match.
#ifndef FOLIVEX_SEARCH_H
#define FOLIVEX_SEARCH_H

#include <windows.h>

#include "../view/Pdfium.h"

// commdlg.h maps FindText to its own FindTextW; ours is the search command.
#undef FindText

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

// Shows the bar (focused, its text selected) or hides it (the view gets the
// focus back and the highlight goes). A comic gets a message instead: it has
// no text to search.
void ShowSearchBar(int show);

// Finds the next (+1) or previous (-1) match of the bar's text, continuing
// from the current match, wrapping around the document; scrolls it into view
// and highlights it, or beeps when there is none.
void FindText(int direction);

// Forgets the current match (the text stays for the next search).
void ClearSearchHit(void);

// Tints the current match if it lies on this page, rendered into the bitmap
// at box x, y, w, h.
void DrawSearchHighlight(int pageIndex, FPDF_PAGE page, FPDF_BITMAP bitmap, int x, int y, int w, int h);

// The search edit's subclass procedure.
LRESULT CALLBACK SearchEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

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
