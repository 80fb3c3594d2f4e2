// The geometry of the page strip: where every page lies at a zoom, in
// single pages or two-page spreads, and which page is where in the view.
// Pure arithmetic on the document and view records passed in; nothing here
// touches a window, so painting, links, search, prefetch and the title all
// place pages the same way.
#ifndef FOLIVEX_STRIP_H
#define FOLIVEX_STRIP_H

#include "Document.h"

// Plain pixels inside the strip, not scaled by DPI.
#define STRIP_MARGIN      8
#define STRIP_ROW_GAP     8
#define SPREAD_HALF_GAP   4
#define FIT_MARGIN_SINGLE 16
#define FIT_MARGIN_SPREAD 24
#define PAGE_JUMP_GAP     8

#define MIN_ZOOM 0.05
#define MAX_ZOOM 40.0

// The strip never grows beyond this many pixels in either direction, so
// that positions, sums of positions and view sizes and the scroll bars all
// stay well inside 32-bit arithmetic. Very long documents get a lower zoom
// ceiling instead of an overflowing strip.
#define MAX_STRIP_EXTENT 0x40000000

struct ViewStateRecord {
    double zoom;     // pixels per point
    int fitWidth;    // 1: zoom follows the view width
    int layoutWidth; // strip size in pixels, margins included
    int layoutHeight;
    int viewWidth; // client size of ViewWindow
    int viewHeight;
    int scrollX; // strip point at the view's top-left corner
    int scrollY;
    int doublePage;
    int coverPaired;
    int titlePage; // page last named in the title, -1 forces an update
};

// A page's rectangle in the view's client coordinates; the right and bottom
// edges (x + w, y + h) lie outside the page.
struct PageBox {
    int x;
    int y;
    int w;
    int h;
};

// The pixel size of a length in points at a zoom: the integer part of the
// product plus one half. Every user of page sizes rounds this way.
int RoundPixels(double zoom, double points);

// Horizontal offset of the strip in the view: a narrow strip is centred.
int CentringOffset(const ViewStateRecord *view);

// The largest zoom at which the document's strip stays within
// MAX_STRIP_EXTENT in the view's page mode.
double MaxZoomForDocument(const DocumentRecord *doc, const ViewStateRecord *view);

// Lays the strip out for the view's size, zoom and page mode: fits the zoom
// to the width when asked, keeps it under the ceiling, places every page
// (doc->pageX, doc->pageY), sets the strip size and the scroll position that
// keeps the strip point under the anchor (client coordinates) in place.
void ComputeLayout(DocumentRecord *doc, ViewStateRecord *view, int anchorX, int anchorY);

// A scroll position limited to the strip: at most the last full view, and
// never negative (a strip shorter than the view stays at 0).
int ClampScroll(int wanted, int extent, int view);

// The page's box in client coordinates.
void PageBoxInClient(const DocumentRecord *doc, const ViewStateRecord *view, int page, PageBox *box);

// The first and last pages that reach into the client rows [top, bottom)
// and return 1, or return 0 when none does. Pages in between may still lie
// outside the rows (the shorter page of a spread row); check their boxes.
int VisiblePageRange(const DocumentRecord *doc, const ViewStateRecord *view, int top, int bottom, int *first,
                     int *last);

// The page under client point (x, y), with its box, or -1 when the point
// lies in no page (gaps and margins included).
int PageAtClientPoint(const DocumentRecord *doc, const ViewStateRecord *view, int x, int y, PageBox *box);

// The current page: the first page whose bottom edge lies below the line a
// third of the way down the view; 0 when none does or there are no pages.
int CurrentPage(const DocumentRecord *doc, const ViewStateRecord *view);

#endif
