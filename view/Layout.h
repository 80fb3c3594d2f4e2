// Page layout of the strip, zoom and scrolling of the view.
#ifndef FOLIVEX_LAYOUT_H
#define FOLIVEX_LAYOUT_H

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

extern ViewStateRecord ViewState;

// The pixel size of a length in points at a zoom: the integer part of the
// product plus one half. Every user of page sizes rounds this way.
int RoundPixels(double zoom, double points);

// Horizontal offset of the strip in the view: a narrow strip is centred.
int CentringOffset(void);

// The largest zoom at which the open document's strip stays within
// MAX_STRIP_EXTENT in the current page mode.
double MaxZoomForDocument(void);

void LayoutPages(int anchorX, int anchorY);
void ScrollViewTo(int x, int y);
void UpdateScrollBars(void);
void HandleScrollBar(int bar, int code);
void SetZoom(double zoom, int anchorX, int anchorY);
void SetSpreadMode(int doublePage, int coverPaired, int save);
void GoToPage(int index);

// Back to fit-width, keeping the strip point at the left of the view's
// vertical middle in place.
void FitWidth(void);

#endif
