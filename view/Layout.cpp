// Page layout: places every page of the open document in one vertical
// strip (single pages or two-page spreads), keeps zoom, scroll position
// and scroll bars consistent, and moves the view over the strip.
#include <windows.h>

#include "../app/Shell.h"
#include "Document.h"
#include "Layout.h"
#include "Title.h"

ViewStateRecord ViewState = {1.0, 1, 0, 0, 0, 0, 0, 0, 0, 0, -1};

// The whole view is repainted afterwards, so no pixels are moved here.
void LayoutPages(int anchorX, int anchorY)
{
    ComputeLayout(&Document, &ViewState, anchorX, anchorY);
    UpdateScrollBars();
    ViewState.titlePage = -1;
    UpdateTitle();
    if (ViewWindow) InvalidateRect(ViewWindow, NULL, FALSE);
}

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
    SetScrollBar(ViewWindow, SB_VERT, ViewState.layoutHeight, ViewState.viewHeight, ViewState.scrollY,
                 SIF_DISABLENOSCROLL);
    SetScrollBar(ViewWindow, SB_HORZ, ViewState.layoutWidth, ViewState.viewWidth, ViewState.scrollX, 0);
}

void HandleScrollBar(int bar, int code)
{
    int line = ScaleDpi(48);
    int page = (bar == SB_VERT ? ViewState.viewHeight : ViewState.viewWidth) - line;
    int pos = ScrollBarRequestTarget(ViewWindow, bar, code, line, page);
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

// The page named in the title stays at the top of the view across the
// change, so the reader does not lose their place.
void SetSpreadMode(int doublePage, int coverPaired)
{
    int keep = ViewState.titlePage;
    ViewState.doublePage = doublePage ? 1 : 0;
    ViewState.coverPaired = coverPaired ? 1 : 0;
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
