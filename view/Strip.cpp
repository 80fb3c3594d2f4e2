// Strip geometry: page placement, zoom ceiling, scroll anchoring and the
// page boxes of the view, as arithmetic on the records passed in.
#include "Strip.h"

int RoundPixels(double zoom, double points)
{
    return (int)(zoom * points + 0.5);
}

int CentringOffset(const ViewStateRecord *view)
{
    int wide = view->viewWidth > view->layoutWidth ? view->viewWidth : view->layoutWidth;
    return (wide - view->layoutWidth) / 2;
}

// Nonzero when the document is shown as two-page spreads: the mode is on
// and there are at least two pages to pair.
static int IsSpread(const DocumentRecord *doc, const ViewStateRecord *view)
{
    return view->doublePage && doc->pageCount >= 2;
}

// The widest page in points, doubled for spreads: what fit-width fills.
static double StripWidthInPoints(const DocumentRecord *doc, int spread)
{
    double widest = 0.0;
    for (int i = 0; i < doc->pageCount; i++) {
        if (doc->pageWidths[i] > widest) widest = doc->pageWidths[i];
    }
    return spread ? widest * 2 : widest;
}

// The number of the page that ends the row starting at `first`: with the
// cover alone, page 0 is a row by itself; otherwise rows are pairs.
static int RowEnd(const DocumentRecord *doc, const ViewStateRecord *view, int first, int spread)
{
    if (!spread) return first + 1;
    if (first == 0 && !view->coverPaired) return 1;
    return first + 2 < doc->pageCount ? first + 2 : doc->pageCount;
}

double MaxZoomForDocument(const DocumentRecord *doc, const ViewStateRecord *view)
{
    int spread = IsSpread(doc, view);
    double heightPoints = 0.0;
    int rows = 0;
    for (int first = 0; first < doc->pageCount;) {
        int end = RowEnd(doc, view, first, spread);
        double tallest = 0.0;
        for (int i = first; i < end; i++) {
            if (doc->pageHeights[i] > tallest) tallest = doc->pageHeights[i];
        }
        heightPoints += tallest;
        rows++;
        first = end;
    }
    // Each row adds its gap and at most one pixel of rounding.
    double ceiling = 1e300;
    if (heightPoints > 0.0) {
        double room = (double)MAX_STRIP_EXTENT - STRIP_MARGIN - (double)rows * (STRIP_ROW_GAP + 1);
        ceiling = room / heightPoints;
    }
    double widthPoints = StripWidthInPoints(doc, spread);
    if (widthPoints > 0.0) {
        double byWidth = ((double)MAX_STRIP_EXTENT - FIT_MARGIN_SPREAD - 1) / widthPoints;
        if (byWidth < ceiling) ceiling = byWidth;
    }
    return ceiling;
}

// Places the pages from the view's zoom and returns the strip height.
static int PlacePages(DocumentRecord *doc, const ViewStateRecord *view, int spread)
{
    int y = STRIP_MARGIN;
    for (int first = 0; first < doc->pageCount;) {
        int end = RowEnd(doc, view, first, spread);
        int coverAlone = spread && first == 0 && !view->coverPaired;
        int tallest = 0;
        for (int i = first; i < end; i++) {
            int w = RoundPixels(view->zoom, doc->pageWidths[i]);
            int h = RoundPixels(view->zoom, doc->pageHeights[i]);
            if (!spread) {
                doc->pageX[i] = (view->layoutWidth - w) / 2;
            } else if (i == first && !coverAlone) {
                doc->pageX[i] = view->layoutWidth / 2 - w - SPREAD_HALF_GAP; // left page
            } else {
                doc->pageX[i] = view->layoutWidth / 2 + SPREAD_HALF_GAP; // right page
            }
            doc->pageY[i] = y;
            if (h > tallest) tallest = h;
        }
        y += STRIP_ROW_GAP + tallest;
        first = end;
    }
    return doc->pageCount > 0 ? y : 0;
}

// The scroll position that puts the strip point at relative place
// `fraction` under the anchor, kept inside the strip.
static int AnchoredScroll(int extent, double fraction, int anchor, int view)
{
    double wanted = (double)(long long)((double)extent * fraction) - anchor;
    if (wanted > extent - view) wanted = extent - view;
    if (wanted < 0) wanted = 0;
    return (int)wanted;
}

int ClampScroll(int wanted, int extent, int view)
{
    if (wanted > extent - view) wanted = extent - view;
    if (wanted < 0) wanted = 0;
    return wanted;
}

void ComputeLayout(DocumentRecord *doc, ViewStateRecord *view, int anchorX, int anchorY)
{
    double fx = view->layoutWidth ? (double)(view->scrollX + anchorX) / view->layoutWidth : 0.0;
    double fy = view->layoutHeight ? (double)(view->scrollY + anchorY) / view->layoutHeight : 0.0;

    int spread = IsSpread(doc, view);
    double widthPoints = StripWidthInPoints(doc, spread);
    int margin = FIT_MARGIN_SINGLE + 8 * spread;
    if (view->fitWidth && widthPoints > 0.0 && view->viewWidth > margin) {
        view->zoom = (view->viewWidth - margin) / widthPoints;
    }
    if (doc->pageCount > 0) {
        double ceiling = MaxZoomForDocument(doc, view);
        if (view->zoom > ceiling) view->zoom = ceiling;
    }

    view->layoutWidth = doc->pageCount > 0 ? RoundPixels(view->zoom, widthPoints) + margin : 0;
    view->layoutHeight = PlacePages(doc, view, spread);

    view->scrollX = AnchoredScroll(view->layoutWidth, fx, anchorX, view->viewWidth);
    view->scrollY = AnchoredScroll(view->layoutHeight, fy, anchorY, view->viewHeight);
}

void PageBoxInClient(const DocumentRecord *doc, const ViewStateRecord *view, int page, PageBox *box)
{
    box->x = CentringOffset(view) + doc->pageX[page] - view->scrollX;
    box->y = doc->pageY[page] - view->scrollY;
    box->w = RoundPixels(view->zoom, doc->pageWidths[page]);
    box->h = RoundPixels(view->zoom, doc->pageHeights[page]);
}

// Pages are laid out top to bottom and the pages of a spread row share a
// top, so the scan ends at the first page whose top is below the rows.
int VisiblePageRange(const DocumentRecord *doc, const ViewStateRecord *view, int top, int bottom, int *first, int *last)
{
    *first = -1;
    *last = -1;
    for (int i = 0; i < doc->pageCount; i++) {
        PageBox box;
        PageBoxInClient(doc, view, i, &box);
        if (box.y >= bottom) break;
        if (box.y + box.h > top) {
            if (*first < 0) *first = i;
            *last = i;
        }
    }
    return *first >= 0;
}

// A point on a page's top edge or left edge is on the page; one on its
// right or bottom edge is not.
int PageAtClientPoint(const DocumentRecord *doc, const ViewStateRecord *view, int x, int y, PageBox *box)
{
    for (int i = 0; i < doc->pageCount; i++) {
        PageBoxInClient(doc, view, i, box);
        if (box->y > y) return -1;
        if (box->x <= x && x < box->x + box->w && y < box->y + box->h) return i;
    }
    return -1;
}

int CurrentPage(const DocumentRecord *doc, const ViewStateRecord *view)
{
    int probe = view->viewHeight / 3;
    for (int i = 0; i < doc->pageCount; i++) {
        if (doc->pageY[i] - view->scrollY + RoundPixels(view->zoom, doc->pageHeights[i]) > probe) return i;
    }
    return 0;
}
