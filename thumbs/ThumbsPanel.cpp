// The thumbnail panel: its window, the column layout, painting, scrolling,
// clicks, and the frame that follows the current page.
#include <windows.h>
#include <windowsx.h>

#include "../app/Settings.h"
#include "../app/Shell.h"
#include "../imaging/PageImages.h"
#include "../view/Layout.h"
#include "Thumbs.h"

ThumbsStateRecord ThumbsState = {NULL, NULL, 0, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL, -1, 0};

// Gaps of the column at 96 DPI: the margin around it, the band of the page
// number under each miniature, the space between items and the frame.
#define COLUMN_WIDTH  96
#define COLUMN_MARGIN 12
#define NUMBER_BAND   22
#define ITEM_GAP      6
#define NUMBER_GAP    4
#define FRAME_WIDTH   4
#define LINE_STEP     40
#define WHEEL_STEP    120

void ThumbSizeForPage(double width, double height, int *w, int *h)
{
    int column = ScaleDpi(COLUMN_WIDTH);
    double aspect = width > 0 ? height / width : 1.4;
    // Compared as doubles first, so that extreme or broken page sizes never
    // reach an integer conversion out of range.
    double high = column * aspect + 0.5;
    if (high > 2.0 * column) {
        double wide = 2.0 * column / aspect + 0.5;
        *h = 2 * column;
        *w = wide >= 1 ? (int)wide : 1;
    } else {
        *w = column;
        *h = high >= 1 ? (int)high : 1;
    }
}

void ThumbSize(int page, int *w, int *h)
{
    ThumbSizeForPage(ThumbsState.pageWidths[page], ThumbsState.pageHeights[page], w, h);
}

// The part of an item below its top: miniature and number band.
static int ItemBody(int h)
{
    return h + ScaleDpi(NUMBER_BAND);
}

int ThumbsPanelWidth(void)
{
    if (!ThumbsState.shown || !ThumbsState.active) return 0;
    return GetSystemMetrics(SM_CXVSCROLL) + 2 * ScaleDpi(COLUMN_MARGIN) + ScaleDpi(COLUMN_WIDTH);
}

static void ShowOrHidePanel(void)
{
    if (ThumbsWindow) ShowWindow(ThumbsWindow, ThumbsPanelWidth() ? SW_SHOWNA : SW_HIDE);
}

void UpdateThumbsScrollBar(void)
{
    if (!ThumbsWindow) return;
    SetScrollBar(ThumbsWindow, SB_VERT, ThumbsState.contentHeight, ThumbsState.clientHeight, ThumbsState.scrollPos,
                 SIF_DISABLENOSCROLL);
}

// The panel is always repainted whole; nothing is moved by blitting.
void ScrollThumbsTo(int pos)
{
    int end = ThumbsState.contentHeight - ThumbsState.clientHeight;
    if (pos > end) pos = end;
    if (pos < 0) pos = 0;
    if (pos == ThumbsState.scrollPos) return;
    ThumbsState.scrollPos = pos;
    UpdateThumbsScrollBar();
    if (ThumbsWindow) InvalidateRect(ThumbsWindow, NULL, FALSE);
}

void VisibleThumbRange(int *first, int *last)
{
    *first = 0;
    *last = -1;
    int count = ThumbsState.count;
    if (count < 1) return;
    int top = ThumbsState.scrollPos;
    int bottom = top + ThumbsState.clientHeight;
    int i = 0;
    int w, h;
    for (; i < count; i++) {
        ThumbSize(i, &w, &h);
        if (ThumbsState.itemTop[i] + ItemBody(h) > top) break;
    }
    *first = i;
    for (; i < count && ThumbsState.itemTop[i] < bottom; i++) *last = i;
}

// Each zone runs from just above a miniature to the bottom of its number
// band, so consecutive zones touch and every row of the column is a page.
int ThumbAtClientY(int y)
{
    int cy = y + ThumbsState.scrollPos;
    int w, h;
    for (int i = 0; i < ThumbsState.count && ThumbsState.itemTop[i] - ScaleDpi(ITEM_GAP) <= cy; i++) {
        ThumbSize(i, &w, &h);
        if (cy < ThumbsState.itemTop[i] + ItemBody(h)) return i;
    }
    return -1;
}

void FollowCurrentPage(int page)
{
    if (!ThumbsState.active || page == ThumbsState.highlight || page < 0 || page >= ThumbsState.count) return;
    ThumbsState.highlight = page;
    int w, h;
    ThumbSize(page, &w, &h);
    int top = ThumbsState.itemTop[page];
    int margin = ScaleDpi(COLUMN_MARGIN);
    if (top - ScaleDpi(ITEM_GAP) < ThumbsState.scrollPos) {
        ScrollThumbsTo(top - margin);
    } else if (top + ItemBody(h) > ThumbsState.scrollPos + ThumbsState.clientHeight) {
        ScrollThumbsTo(top - ThumbsState.clientHeight + ItemBody(h) + margin);
    }
    if (ThumbsWindow) InvalidateRect(ThumbsWindow, NULL, FALSE);
}

// Deletes the miniatures and frees slots and positions.
static void DropColumn(void)
{
    if (!ThumbsState.slots) return;
    for (int i = 0; i < ThumbsState.count; i++) {
        if (ThumbsState.slots[i] > THUMB_PENDING) {
            DeleteObject((HBITMAP)ThumbsState.slots[i]);
            ThumbsState.bitmapCount--;
        }
        ThumbsState.slots[i] = THUMB_EMPTY;
    }
    HeapFree(GetProcessHeap(), 0, ThumbsState.slots);
    ThumbsState.slots = NULL;
    ThumbsState.itemTop = NULL;
}

// Places the items of a new document; the column stops before the page
// that would take it past MAX_THUMB_COLUMN. 0 when out of memory.
static int LayOutColumn(int count)
{
    SIZE_T bytes = (SIZE_T)count * (sizeof(ThumbSlot) + sizeof(int));
    ThumbsState.slots = (ThumbSlot *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    if (!ThumbsState.slots) return 0;
    ThumbsState.itemTop = (int *)(ThumbsState.slots + count);
    int64_t top = ScaleDpi(COLUMN_MARGIN);
    int64_t step = ScaleDpi(ITEM_GAP);
    int64_t end = top;
    int placed = 0;
    int w, h;
    for (; placed < count; placed++) {
        ThumbSize(placed, &w, &h);
        int64_t next = top + ItemBody(h) + step;
        if (next + ScaleDpi(COLUMN_MARGIN) > MAX_THUMB_COLUMN) break;
        ThumbsState.itemTop[placed] = (int)top;
        end = next + ScaleDpi(COLUMN_MARGIN);
        top = next;
    }
    ThumbsState.count = placed;
    ThumbsState.contentHeight = (int)end;
    return 1;
}

void ResetThumbs(FPDF_DOCUMENT pdf, ComicBook *comic, int count, const double *pageWidths, const double *pageHeights)
{
    AbandonThumbRender();
    DropColumn();
    ThumbsState.pdf = pdf;
    ThumbsState.comic = comic;
    ThumbsState.pageWidths = pageWidths;
    ThumbsState.pageHeights = pageHeights;
    ThumbsState.active = (pdf || comic) && count > 0;
    ThumbsState.count = 0;
    ThumbsState.highlight = -1;
    ThumbsState.scrollPos = 0;
    ThumbsState.contentHeight = 0;
    // Without memory for the column the document simply has no panel.
    if (ThumbsState.active && (!LayOutColumn(count) || ThumbsState.count < 1)) ThumbsState.active = 0;
    ShowOrHidePanel();
    UpdateThumbsScrollBar();
    if (ThumbsWindow) InvalidateRect(ThumbsWindow, NULL, FALSE);
}

// With no document open the wish is only stored; the panel appears with
// the next document.
void ToggleThumbs(void)
{
    ThumbsState.shown = !ThumbsState.shown;
    SetSetting(L"HideThumbs", ThumbsState.shown ? 0 : 1);
    ShowOrHidePanel();
}

// Frame, miniature (white until it exists) and page number of one item.
static void PaintItem(HDC hdc, HDC source, int page, int clientWidth, HBRUSH frame)
{
    int w, h;
    ThumbSize(page, &w, &h);
    int x = (ScaleDpi(COLUMN_WIDTH) - w) / 2 + ScaleDpi(COLUMN_MARGIN);
    int y = ThumbsState.itemTop[page] - ThumbsState.scrollPos;
    if (page == ThumbsState.highlight) {
        int f = ScaleDpi(FRAME_WIDTH);
        RECT r = {x - f, y - f, x + w + f, y + h + f};
        FillRect(hdc, &r, frame);
    }
    ThumbSlot slot = ThumbsState.slots[page];
    if (slot > THUMB_PENDING) {
        HGDIOBJ old = SelectObject(source, (HBITMAP)slot);
        BitBlt(hdc, x, y, w, h, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
    } else {
        RECT r = {x, y, x + w, y + h};
        FillRect(hdc, &r, (HBRUSH)GetStockObject(WHITE_BRUSH));
    }
    wchar_t number[16];
    wsprintfW(number, L"%d", page + 1);
    RECT band = {0, y + h + ScaleDpi(NUMBER_GAP), clientWidth, y + h + ScaleDpi(NUMBER_GAP) + ScaleDpi(NUMBER_BAND)};
    DrawTextW(hdc, number, -1, &band, DT_CENTER | DT_SINGLELINE);
}

// Drawn off screen and copied once, so scrolling does not flicker.
void PaintThumbs(HDC hdc)
{
    RECT client;
    GetClientRect(ThumbsWindow, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    HBRUSH background = CreateSolidBrush(THUMB_BACKGROUND_COLOR);
    HBRUSH frame = CreateSolidBrush(THUMB_FRAME_COLOR);
    HFONT font =
        CreateFontW(-ScaleDpi(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Segoe UI");
    HDC buffer = CreateCompatibleDC(hdc);
    HDC source = CreateCompatibleDC(hdc);
    HBITMAP pixels = CreateCompatibleBitmap(hdc, client.right, client.bottom);
    if (buffer && source && pixels) {
        HGDIOBJ oldPixels = SelectObject(buffer, pixels);
        HGDIOBJ oldFont = SelectObject(buffer, font);
        FillRect(buffer, &client, background);
        SetBkMode(buffer, TRANSPARENT);
        SetTextColor(buffer, THUMB_NUMBER_COLOR);
        int first, last;
        VisibleThumbRange(&first, &last);
        for (int i = first; i <= last; i++) PaintItem(buffer, source, i, client.right, frame);
        BitBlt(hdc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, oldFont);
        SelectObject(buffer, oldPixels);
    }
    if (pixels) DeleteObject(pixels);
    if (source) DeleteDC(source);
    if (buffer) DeleteDC(buffer);
    DeleteObject(background);
    DeleteObject(frame);
    DeleteObject(font);
}

static void OnThumbsScroll(int code)
{
    ScrollThumbsTo(ScrollBarRequestTarget(ThumbsWindow, SB_VERT, code, ScaleDpi(LINE_STEP), ThumbsState.clientHeight));
}

LRESULT CALLBACK ThumbsWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        ThumbsState.clientHeight = HIWORD(lParam);
        UpdateThumbsScrollBar();
        ScrollThumbsTo(ThumbsState.scrollPos);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        if (ThumbsState.active) PaintThumbs(hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        // The lull has come: the idle step that follows starts the next page.
        KillTimer(hwnd, wParam);
        return 0;
    case WM_VSCROLL:
        OnThumbsScroll(LOWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        // The x coordinate does not matter: the whole row is the page's.
        if (ThumbsState.count >= 1) {
            int page = ThumbAtClientY(GET_Y_LPARAM(lParam));
            if (page >= 0) GoToPage(page);
        }
        return 0;
    case WM_MOUSEWHEEL:
        // One notch of 120 moves the column by 120 pixels at 96 DPI.
        ScrollThumbsTo(ThumbsState.scrollPos - ScaleDpi(WHEEL_STEP) * GET_WHEEL_DELTA_WPARAM(wParam) / 120);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void CreateThumbsWindow(void)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    RegisterPlainClass(L"FolivexThumbs", ThumbsWindowProc, IDC_HAND);
    ThumbsState.shown = GetSetting(L"HideThumbs") == 0;
    // Hidden until a document arrives: ResetThumbs shows it.
    ThumbsWindow =
        CreateWindowExW(0, L"FolivexThumbs", NULL, WS_CHILD | WS_VSCROLL, 0, 0, 0, 0, MainWindow, NULL, instance, NULL);
    ThumbDecodedHook = OnThumbDecoded;
}
