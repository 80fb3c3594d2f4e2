// Page layout: places every page of the open document in one vertical
// strip (single pages or two-page spreads), keeps zoom, scroll position
// and scroll bars consistent, and moves the view over the strip.
#include <windows.h>

#include "../app/Settings.h"
#include "../app/Shell.h"
#include "Document.h"
#include "Layout.h"
#include "Title.h"

ViewStateRecord ViewState = {1.0, 1, 0, 0, 0, 0, 0, 0, 0, 0, -1};

int RoundPixels(double zoom, double points)
{
    return (int)(zoom * points + 0.5);
}

int CentringOffset(void)
{
    int wide = ViewState.viewWidth > ViewState.layoutWidth ? ViewState.viewWidth : ViewState.layoutWidth;
    return (wide - ViewState.layoutWidth) / 2;
}

// Nonzero when the open document is shown as two-page spreads: the mode is
// on and there are at least two pages to pair.
static int IsSpread(void)
{
    return ViewState.doublePage && Document.pageCount >= 2;
}

// The widest page in points, doubled for spreads: what fit-width fills.
static double StripWidthInPoints(int spread)
{
    double widest = 0.0;
    for (int i = 0; i < Document.pageCount; i++) {
        if (Document.pageWidths[i] > widest) widest = Document.pageWidths[i];
    }
    return spread ? widest * 2 : widest;
}

// The number of the page that ends the row starting at `first`: with the
// cover alone, page 0 is a row by itself; otherwise rows are pairs.
static int RowEnd(int first, int spread)
{
    if (!spread) return first + 1;
    if (first == 0 && !ViewState.coverPaired) return 1;
    return first + 2 < Document.pageCount ? first + 2 : Document.pageCount;
}

double MaxZoomForDocument(void)
{
    int spread = IsSpread();
    double heightPoints = 0.0;
    int rows = 0;
    for (int first = 0; first < Document.pageCount;) {
        int end = RowEnd(first, spread);
        double tallest = 0.0;
        for (int i = first; i < end; i++) {
            if (Document.pageHeights[i] > tallest) tallest = Document.pageHeights[i];
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
    double widthPoints = StripWidthInPoints(spread);
    if (widthPoints > 0.0) {
        double byWidth = ((double)MAX_STRIP_EXTENT - FIT_MARGIN_SPREAD - 1) / widthPoints;
        if (byWidth < ceiling) ceiling = byWidth;
    }
    return ceiling;
}

// Places the pages from the current zoom and returns the strip height.
static int PlacePages(int spread)
{
    int y = STRIP_MARGIN;
    for (int first = 0; first < Document.pageCount;) {
        int end = RowEnd(first, spread);
        int coverAlone = spread && first == 0 && !ViewState.coverPaired;
        int tallest = 0;
        for (int i = first; i < end; i++) {
            int w = RoundPixels(ViewState.zoom, Document.pageWidths[i]);
            int h = RoundPixels(ViewState.zoom, Document.pageHeights[i]);
            if (!spread) {
                Document.pageX[i] = (ViewState.layoutWidth - w) / 2;
            } else if (i == first && !coverAlone) {
                Document.pageX[i] = ViewState.layoutWidth / 2 - w - SPREAD_HALF_GAP; // left page
            } else {
                Document.pageX[i] = ViewState.layoutWidth / 2 + SPREAD_HALF_GAP; // right page
            }
            Document.pageY[i] = y;
            if (h > tallest) tallest = h;
        }
        y += STRIP_ROW_GAP + tallest;
        first = end;
    }
    return Document.pageCount > 0 ? y : 0;
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

// A scroll position limited to the strip: at most the last full view,
// and never negative (a strip shorter than the view stays at 0).
static int ClampScroll(int wanted, int extent, int view)
{
    if (wanted > extent - view) wanted = extent - view;
    if (wanted < 0) wanted = 0;
    return wanted;
}

// The whole view is repainted afterwards, so no pixels are moved here.
void LayoutPages(int anchorX, int anchorY)
{
    double fx = ViewState.layoutWidth ? (double)(ViewState.scrollX + anchorX) / ViewState.layoutWidth : 0.0;
    double fy = ViewState.layoutHeight ? (double)(ViewState.scrollY + anchorY) / ViewState.layoutHeight : 0.0;

    int spread = IsSpread();
    double widthPoints = StripWidthInPoints(spread);
    int margin = FIT_MARGIN_SINGLE + 8 * spread;
    if (ViewState.fitWidth && widthPoints > 0.0 && ViewState.viewWidth > margin) {
        ViewState.zoom = (ViewState.viewWidth - margin) / widthPoints;
    }
    if (Document.pageCount > 0) {
        double ceiling = MaxZoomForDocument();
        if (ViewState.zoom > ceiling) ViewState.zoom = ceiling;
    }

    ViewState.layoutWidth = Document.pageCount > 0 ? RoundPixels(ViewState.zoom, widthPoints) + margin : 0;
    ViewState.layoutHeight = PlacePages(spread);

    ViewState.scrollX = AnchoredScroll(ViewState.layoutWidth, fx, anchorX, ViewState.viewWidth);
    ViewState.scrollY = AnchoredScroll(ViewState.layoutHeight, fy, anchorY, ViewState.viewHeight);

    UpdateScrollBars();
    ViewState.titlePage = -1;
    UpdateTitle();
    if (ViewWindow) InvalidateRect(ViewWindow, NULL, FALSE);
}

// Moves the pixels already on screen so that only the uncovered band has
// to be rendered by the next paint.
void ScrollViewTo(int x, int y)
{
    int nx = ClampScroll(x, ViewState.layoutWidth, ViewState.viewWidth);
    int ny = ClampScroll(y, ViewState.layoutHeight, ViewState.viewHeight);
    if (nx == ViewState.scrollX && ny == ViewState.scrollY) return;
    if (ViewWindow) {
        ScrollWindowEx(ViewWindow, ViewState.scrollX - nx, ViewState.scrollY - ny, NULL, NULL, NULL, NULL,
                       SW_INVALIDATE);
    }
    ViewState.scrollX = nx;
    ViewState.scrollY = ny;
    UpdateScrollBars();
    UpdateTitle();
}

// The vertical bar stays visible but disabled when everything fits, so the
// view width does not jump; the horizontal bar goes away instead.
void UpdateScrollBars(void)
{
    if (!ViewWindow) return;
    SCROLLINFO si;
    ZeroMemory(&si, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS | SIF_DISABLENOSCROLL;
    si.nMax = ViewState.layoutHeight - 1;
    si.nPage = (UINT)ViewState.viewHeight;
    si.nPos = ViewState.scrollY;
    SetScrollInfo(ViewWindow, SB_VERT, &si, TRUE);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    si.nMax = ViewState.layoutWidth - 1;
    si.nPage = (UINT)ViewState.viewWidth;
    si.nPos = ViewState.scrollX;
    SetScrollInfo(ViewWindow, SB_HORZ, &si, TRUE);
}

// Thumb positions come from the 32-bit nTrackPos, not from the message's
// 16-bit position, so long strips scroll exactly.
void HandleScrollBar(int bar, int code)
{
    int line = ScaleDpi(48);
    int page = (bar == SB_VERT ? ViewState.viewHeight : ViewState.viewWidth) - line;
    SCROLLINFO si;
    ZeroMemory(&si, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(ViewWindow, bar, &si);
    int pos = si.nPos;
    switch (code) {
    case SB_LINEUP:
        pos -= line;
        break;
    case SB_LINEDOWN:
        pos += line;
        break;
    case SB_PAGEUP:
        pos -= page;
        break;
    case SB_PAGEDOWN:
        pos += page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        pos = si.nTrackPos;
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = si.nMax;
        break;
    }
    if (bar == SB_VERT) {
        ScrollViewTo(ViewState.scrollX, pos);
    } else {
        ScrollViewTo(pos, ViewState.scrollY);
    }
}

void SetZoom(double zoom, int anchorX, int anchorY)
{
    if (!IsDocumentOpen()) return;
    if (zoom < MIN_ZOOM) {
        zoom = MIN_ZOOM;
    } else if (zoom > MAX_ZOOM) {
        zoom = MAX_ZOOM;
    }
    ViewState.zoom = zoom;
    ViewState.fitWidth = 0;
    LayoutPages(anchorX, anchorY);
}

void FitWidth(void)
{
    ViewState.fitWidth = 1;
    LayoutPages(0, ViewState.viewHeight / 2);
}

// Checks the two spread entries of the window menu. "Cover alone" shows the
// cover choice even while the two-page view is off.
static void CheckSpreadMenuEntries(void)
{
    if (!MainWindow) return;
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    CheckMenuItem(menu, IDM_DOUBLE_PAGE, MF_BYCOMMAND | (ViewState.doublePage ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_COVER_ALONE, MF_BYCOMMAND | (ViewState.coverPaired ? MF_UNCHECKED : MF_CHECKED));
}

// The page named in the title stays at the top of the view across the
// change, so the reader does not lose their place.
void SetSpreadMode(int doublePage, int coverPaired, int save)
{
    int keep = ViewState.titlePage;
    ViewState.doublePage = doublePage ? 1 : 0;
    ViewState.coverPaired = coverPaired ? 1 : 0;
    if (save) {
        SetSetting(L"DoublePage", ViewState.doublePage);
        SetSetting(L"CoverPaired", ViewState.coverPaired);
    }
    CheckSpreadMenuEntries();
    if (!IsDocumentOpen()) return;
    LayoutPages(0, 0);
    if (keep >= 0 && keep < Document.pageCount) {
        ScrollViewTo(ViewState.scrollX, Document.pageY[keep] - PAGE_JUMP_GAP);
    }
}

void GoToPage(int index)
{
    if (!IsDocumentOpen() || index < 0 || index >= Document.pageCount) return;
    ScrollViewTo(ViewState.scrollX, Document.pageY[index] - PAGE_JUMP_GAP);
    if (ViewWindow) SetFocus(ViewWindow);
}
