// View window procedure, painting, and the comic prefetch that keeps the
// pages around the visible ones decoded.
#include <windows.h>

#include "../app/Shell.h"
#include "../imaging/ComicDraw.h"
#include "../imaging/PageImages.h"
#include "Document.h"
#include "Layout.h"
#include "PageCache.h"
#include "ViewHooks.h"
#include "ViewWindow.h"

ViewHooksRecord ViewHooks;

// Button-down point in client coordinates, and the strip point that was
// under it; a drag is in progress while the view holds the capture.
static int dragStartX;
static int dragStartY;
static int grabX;
static int grabY;

// Signed client or screen coordinates packed in a mouse message's lParam.
static int PointX(LPARAM lParam)
{
    return (int)(short)LOWORD(lParam);
}

static int PointY(LPARAM lParam)
{
    return (int)(short)HIWORD(lParam);
}

// Pixels scrolled for a wheel delta: ScaleDpi(96) per notch of 120.
static int WheelAmount(int delta)
{
    return ScaleDpi(96) * delta / 120;
}

// With no document, the whole view is grey with one centred line telling
// how to open something.
static void PaintEmptyHint(HWND hwnd, HDC hdc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, (HBRUSH)GetStockObject(GRAY_BRUSH));
    HGDIOBJ oldFont = SelectObject(hdc, MessageFont);
    SetBkMode(hdc, TRANSPARENT);
    DrawTextW(hdc,
              Text(L"Ctrl+O ou glisser ici un PDF ou une BD (CBZ, CBR)      F1 : \u00e0 propos",
                   L"Ctrl+O or drop a PDF or a comic (CBZ, CBR) here      F1: about"),
              -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, oldFont);
}

// Draws one PDF page into the paint bitmap at box x, y, w, h. A page the
// engine cannot load still shows as a white sheet of its laid-out size.
static void DrawPdfPage(FPDF_BITMAP bitmap, int index, int x, int y, int w, int h)
{
    FPDF_PAGE page = GetPdfPage(index);
    FPDFBitmap_FillRect(bitmap, x, y, w, h, PAGE_COLOR);
    if (!page) return;
    FPDF_RenderPageBitmap(bitmap, page, x, y, w, h, 0, FPDF_ANNOT | FPDF_LCD_TEXT);
    if (ViewHooks.drawOverPdfPage) ViewHooks.drawOverPdfPage(index, page, bitmap, x, y, w, h);
}

void PaintPages(HDC hdc, const RECT *paintRect)
{
    int bw = paintRect->right - paintRect->left;
    int bh = paintRect->bottom - paintRect->top;
    if (bw < 1 || bh < 1) return;
    FPDF_BITMAP bitmap = FPDFBitmap_Create(bw, bh, 0);
    if (!bitmap) return;
    void *buffer = FPDFBitmap_GetBuffer(bitmap);
    FPDFBitmap_FillRect(bitmap, 0, 0, bw, bh, STRIP_COLOR);

    int first, last;
    if (VisiblePageRange(&Document, &ViewState, paintRect->top, paintRect->bottom, &first, &last)) {
        for (int i = first; i <= last; i++) {
            PageBox box;
            PageBoxInClient(&Document, &ViewState, i, &box);
            int x = box.x - paintRect->left;
            int y = box.y - paintRect->top;
            if (y + box.h <= 0 || x >= bw || x + box.w <= 0) continue;
            if (Document.comic) {
                DrawComicPage(Document.comic, i, buffer, bw, bh, x, y, box.w, box.h);
            } else if (Document.pdf) {
                DrawPdfPage(bitmap, i, x, y, box.w, box.h);
            }
        }
    }

    BITMAPINFO bmi;
    DescribeTopDownBitmap(&bmi, bw, bh);
    SetDIBitsToDevice(hdc, paintRect->left, paintRect->top, bw, bh, 0, 0, 0, bh, buffer, &bmi, DIB_RGB_COLORS);
    FPDFBitmap_Destroy(bitmap);
}

// Tries the page at p for the worker; 1 when a job was attempted, which
// ends this idle pass.
static int PrefetchPage(int p)
{
    int w = RoundPixels(ViewState.zoom, Document.pageWidths[p]);
    int h = RoundPixels(ViewState.zoom, Document.pageHeights[p]);
    return RequestPrefetch(Document.comic, p, w, h);
}

// The pages after the visible ones come first (the reader goes forward),
// one row's worth, then as many before them.
void PrefetchStep(void)
{
    if (!Document.comic || IsDecodeBusy() || Document.pageCount < 1 || !Document.pageY) return;
    int first, last;
    if (!VisiblePageRange(&Document, &ViewState, 0, ViewState.viewHeight, &first, &last)) return;
    int k = ViewState.doublePage ? 2 : 1;
    for (int p = last + 1; p <= last + k && p < Document.pageCount; p++) {
        if (PrefetchPage(p)) return;
    }
    for (int p = first - 1; p >= first - k && p >= 0; p--) {
        if (PrefetchPage(p)) return;
    }
}

// Ctrl + wheel zooms by one step per message about the cursor; otherwise
// the wheel scrolls, sideways with Shift.
static void OnMouseWheel(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    int delta = (int)(short)HIWORD(wParam);
    if (LOWORD(wParam) & MK_CONTROL) {
        POINT cursor = {PointX(lParam), PointY(lParam)};
        ScreenToClient(hwnd, &cursor);
        SetZoom(delta > 0 ? ViewState.zoom * 1.1 : ViewState.zoom / 1.1, cursor.x, cursor.y);
        return;
    }
    int amount = WheelAmount(delta);
    if (LOWORD(wParam) & MK_SHIFT) {
        ScrollViewTo(ViewState.scrollX - amount, ViewState.scrollY);
    } else {
        ScrollViewTo(ViewState.scrollX, ViewState.scrollY - amount);
    }
}

// The view's own keys, after the global command keys have had their turn.
static void OnKeyDown(WPARAM vk)
{
    if (CommandKeyHook && CommandKeyHook((int)vk)) return;
    int line = ScaleDpi(48);
    int page = ViewState.viewHeight - line;
    int x = ViewState.scrollX;
    int y = ViewState.scrollY;
    switch (vk) {
    case VK_HOME:
        ScrollViewTo(x, 0);
        break;
    case VK_END:
        ScrollViewTo(x, ViewState.layoutHeight);
        break;
    case VK_UP:
        ScrollViewTo(x, y - line);
        break;
    case VK_DOWN:
        ScrollViewTo(x, y + line);
        break;
    case VK_LEFT:
        ScrollViewTo(x - line, y);
        break;
    case VK_RIGHT:
        ScrollViewTo(x + line, y);
        break;
    case VK_PRIOR:
        ScrollViewTo(x, y - page);
        break;
    case VK_NEXT:
    case VK_SPACE:
        ScrollViewTo(x, IsKeyDown(VK_SHIFT) ? y - page : y + page);
        break;
    case VK_ESCAPE:
        // The search bar closes itself on Esc; the view passes the key on.
        if (IsWindowVisible(SearchEdit)) SendMessageW(SearchEdit, WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case 'D':
        // The same choices as the window menu's entries, made there.
        if (!IsKeyDown(VK_CONTROL)) {
            SendMessageW(MainWindow, WM_SYSCOMMAND, IsKeyDown(VK_SHIFT) ? IDM_COVER_ALONE : IDM_DOUBLE_PAGE, 0);
        }
        break;
    }
}

static void OnButtonDown(HWND hwnd, LPARAM lParam)
{
    SetFocus(hwnd);
    SetCapture(hwnd);
    dragStartX = PointX(lParam);
    dragStartY = PointY(lParam);
    grabX = dragStartX + ViewState.scrollX;
    grabY = dragStartY + ViewState.scrollY;
}

// A release within the drag threshold of the press is a click, which
// follows a link under it; anything longer was a drag.
static void OnButtonUp(LPARAM lParam)
{
    ReleaseCapture();
    int x = PointX(lParam);
    int y = PointY(lParam);
    int dx = x - dragStartX;
    int dy = y - dragStartY;
    if (dx < 0) dx = -dx;
    if (dy < 0) dy = -dy;
    if (dx > GetSystemMetrics(SM_CXDRAG) || dy > GetSystemMetrics(SM_CYDRAG)) return;
    if (!ViewHooks.linkAtPoint || !ViewHooks.followLink) return;
    FPDF_LINK link = ViewHooks.linkAtPoint(x, y);
    if (link) ViewHooks.followLink(link);
}

// The hand cursor over a PDF link, unless a drag is in progress.
static int SetLinkCursor(HWND hwnd, LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT || GetCapture() == hwnd || !Document.pdf || !ViewHooks.linkAtPoint) return 0;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    if (!ViewHooks.linkAtPoint(cursor.x, cursor.y)) return 0;
    SetCursor(LoadCursorW(NULL, IDC_HAND));
    return 1;
}

static void OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (IsDocumentOpen()) {
        PaintPages(hdc, &ps.rcPaint);
    } else {
        PaintEmptyHint(hwnd, hdc);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK ViewWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        ViewState.viewWidth = LOWORD(lParam);
        ViewState.viewHeight = HIWORD(lParam);
        LayoutPages(0, 0);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_HSCROLL:
        HandleScrollBar(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        HandleScrollBar(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (SetLinkCursor(hwnd, lParam)) return TRUE;
        break;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnButtonDown(hwnd, lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd) ScrollViewTo(grabX - PointX(lParam), grabY - PointY(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) OnButtonUp(lParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(hwnd, wParam, lParam);
        return 0;
    case WM_MOUSEHWHEEL:
        ScrollViewTo(ViewState.scrollX + WheelAmount((int)(short)HIWORD(wParam)), ViewState.scrollY);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
