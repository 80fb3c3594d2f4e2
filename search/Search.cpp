// The search bar and text search of PDF documents. A search visits pages in
// reading order from where the last match was (or from the current page),
// wraps around the document, and leaves the match it finds highlighted and
// scrolled into view. Nothing found is told by a beep alone.
#include <windows.h>

#include "../app/Shell.h"
#include "../view/Document.h"
#include "../view/Layout.h"
#include "../view/PageCache.h"
#include "../view/Pdfium.h"
#include "Search.h"

SearchStateRecord SearchState = {{0}, -1, 0, 0, {}};
void (*SearchBeepHook)(void);

// Thresholds that let any match of a page through, by direction.
#define ANY_MATCH_FORWARD  (-1)
#define ANY_MATCH_BACKWARD 2147483647

// Called when a document is opened: its pages have nothing to do with the
// old match. The text itself is kept for the next search.
void ClearSearchHit(void)
{
    SearchState.hitPage = -1;
    SearchState.hitRectCount = 0;
}

static void RepaintView(void)
{
    if (ViewWindow) InvalidateRect(ViewWindow, NULL, FALSE);
}

// A comic has no text layer, so instead of an empty bar the user is told
// why there is nothing to search.
void ShowSearchBar(int show)
{
    if (show && Document.comic) {
        MessageBoxW(MainWindow,
                    Text(L"Une bande dessin\u00e9e n'est faite que d'images : il n'y a pas de texte \u00e0 chercher.",
                         L"A comic is made of images only: there is no text to search."),
                    L"Folivex", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (show) {
        ShowWindow(SearchEdit, SW_SHOW);
        RelayoutMainWindow();
        SetFocus(SearchEdit);
        // Selecting everything lets typing replace the previous text.
        SendMessageW(SearchEdit, EM_SETSEL, 0, -1);
        return;
    }
    ShowWindow(SearchEdit, SW_HIDE);
    RelayoutMainWindow();
    SetFocus(ViewWindow);
    ClearSearchHit();
    RepaintView();
}

// Exact comparison, unit by unit: lstrcmpW compares linguistically and
// would call texts equal that differ by ignorable characters, and then the
// new text would never be searched. Letter case counts.
static int SameText(const wchar_t *a, const wchar_t *b)
{
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

// Looks for the match on one page that follows (forward) or precedes
// (backward) the character index threshold. Returns 1 with the match's
// first index and rectangles stored in SearchState, 0 when the page has no
// such match or cannot be read.
static int SearchPage(FPDF_PAGE page, int pageIndex, int direction, int threshold)
{
    if (!page) return 0;
    FPDF_TEXTPAGE text = FPDFText_LoadPage(page);
    if (!text) return 0;
    int found = 0;
    int index = 0;
    int count = 0;
    FPDF_SCHHANDLE search = FPDFText_FindStart(text, (FPDF_WIDESTRING)SearchState.lastText, 0, 0);
    if (search) {
        while (FPDFText_FindNext(search)) {
            int idx = FPDFText_GetSchResultIndex(search);
            if (direction > 0) {
                if (idx > threshold) {
                    found = 1;
                    index = idx;
                    count = FPDFText_GetSchCount(search);
                    break;
                }
            } else {
                if (idx >= threshold) break;
                found = 1;
                index = idx;
                count = FPDFText_GetSchCount(search);
            }
        }
        FPDFText_FindClose(search);
    }
    if (found) {
        SearchState.hitPage = pageIndex;
        SearchState.hitIndex = index;
        // The engine answers -1 for a range it cannot measure: that is a
        // match without rectangles, never a negative count.
        int n = FPDFText_CountRects(text, index, count);
        if (n < 0) n = 0;
        if (n > MaxHitRects) n = MaxHitRects;
        int stored = 0;
        while (stored < n) {
            SearchHitRect *r = &SearchState.hitRects[stored];
            if (!FPDFText_GetRect(text, stored, &r->left, &r->top, &r->right, &r->bottom)) break;
            stored++;
        }
        SearchState.hitRectCount = stored;
    }
    FPDFText_ClosePage(text);
    return found;
}

void SearchScrollTarget(int hitX, int hitY, int *newX, int *newY)
{
    int x = ViewState.scrollX;
    int y = ViewState.scrollY;
    int viewWidth = ViewState.viewWidth;
    int viewHeight = ViewState.viewHeight;
    if (hitY < y + SEARCH_BAND_TOP || hitY >= y + viewHeight - SEARCH_BAND_BOTTOM) y = hitY - viewHeight / 3;
    if (hitX < x || hitX >= x + viewWidth - SEARCH_BAND_RIGHT) x = hitX - viewWidth / 2;
    *newX = x;
    *newY = y;
}

// Brings the current match into view. Its first rectangle's top-left corner
// is what must be seen; a match the engine gave no rectangle for is located
// by its page's top-left corner instead.
static void ScrollToHit(FPDF_PAGE page)
{
    PageBox box;
    PageBoxInClient(&Document, &ViewState, SearchState.hitPage, &box);
    int dx = 0;
    int dy = 0;
    if (SearchState.hitRectCount > 0) {
        const SearchHitRect *first = &SearchState.hitRects[0];
        if (!FPDF_PageToDevice(page, 0, 0, box.w, box.h, 0, first->left, first->top, &dx, &dy)) {
            dx = 0;
            dy = 0;
        }
    }
    int hitX = box.x + ViewState.scrollX + dx;
    int hitY = box.y + ViewState.scrollY + dy;
    int newX;
    int newY;
    SearchScrollTarget(hitX, hitY, &newX, &newY);
    ScrollViewTo(newX, newY);
    RepaintView();
}

static void SignalNotFound(void)
{
    ClearSearchHit();
    RepaintView();
    if (SearchBeepHook) {
        SearchBeepHook();
    } else {
        MessageBeep(MB_ICONEXCLAMATION);
    }
}

// Each search continues from the current match, so repeated Enter walks
// through every match of the document in turn. The starting page is visited
// twice: first past the current match, last for the matches before it.
void FindText(int direction)
{
    if (!Document.pdf || Document.comic) return;
    wchar_t text[SEARCH_TEXT_MAX + 1];
    text[0] = 0;
    if (SearchEdit) GetWindowTextW(SearchEdit, text, SEARCH_TEXT_MAX + 1);
    if (!text[0]) return;
    if (!SameText(text, SearchState.lastText)) {
        lstrcpynW(SearchState.lastText, text, SEARCH_TEXT_MAX + 1);
        ClearSearchHit();
    }

    int count = Document.pageCount;
    int anyMatch = direction > 0 ? ANY_MATCH_FORWARD : ANY_MATCH_BACKWARD;
    int page;
    int threshold;
    if (SearchState.hitPage >= 0 && SearchState.hitPage < count) {
        page = SearchState.hitPage;
        threshold = SearchState.hitIndex;
    } else {
        page = ViewState.titlePage > 0 && ViewState.titlePage < count ? ViewState.titlePage : 0;
        threshold = anyMatch;
    }
    ClearSearchHit();
    SetCursor(LoadCursorW(NULL, IDC_WAIT));

    for (int visit = 0; count > 0 && visit <= count; visit++) {
        FPDF_PAGE pdfPage = GetPdfPage(page);
        if (SearchPage(pdfPage, page, direction, threshold)) {
            ScrollToHit(pdfPage);
            return;
        }
        page = direction > 0 ? (page + 1) % count : (page + count - 1) % count;
        threshold = anyMatch;
    }
    SignalNotFound();
}

void BlendHighlight(unsigned char *bits, int width, int height, int stride, int x1, int y1, int x2, int y2)
{
    // Written so that no step can overflow, whatever the engine returned.
    x1 = x1 > 0 ? x1 - 1 : 0;
    y1 = y1 > 0 ? y1 - 1 : 0;
    x2 = x2 < width ? x2 + 1 : width;
    y2 = y2 < height ? y2 + 1 : height;
    for (int y = y1; y < y2; y++) {
        unsigned char *p = bits + (SIZE_T)y * (SIZE_T)stride + (SIZE_T)x1 * 4;
        for (int x = x1; x < x2; x++, p += 4) {
            p[0] = (unsigned char)(p[0] / 2);
            p[1] = (unsigned char)((p[1] + 230) / 2);
            p[2] = (unsigned char)((p[2] + 255) / 2);
        }
    }
}

// The rectangles are converted with the same page box the page was rendered
// into, so the tint lies exactly over the matched glyphs.
void DrawSearchHighlight(int pageIndex, FPDF_PAGE page, FPDF_BITMAP bitmap, int x, int y, int w, int h)
{
    if (pageIndex != SearchState.hitPage || SearchState.hitRectCount < 1 || !page || !bitmap) return;
    unsigned char *bits = (unsigned char *)FPDFBitmap_GetBuffer(bitmap);
    int width = FPDFBitmap_GetWidth(bitmap);
    int height = FPDFBitmap_GetHeight(bitmap);
    int stride = FPDFBitmap_GetStride(bitmap);
    if (!bits || width < 1 || height < 1 || stride < width * 4) return;
    for (int i = 0; i < SearchState.hitRectCount && i < MaxHitRects; i++) {
        const SearchHitRect *r = &SearchState.hitRects[i];
        int x1, y1, x2, y2;
        if (!FPDF_PageToDevice(page, x, y, w, h, 0, r->left, r->top, &x1, &y1)) continue;
        if (!FPDF_PageToDevice(page, x, y, w, h, 0, r->right, r->bottom, &x2, &y2)) continue;
        if (x1 > x2) {
            int t = x1;
            x1 = x2;
            x2 = t;
        }
        if (y1 > y2) {
            int t = y1;
            y1 = y2;
            y2 = t;
        }
        BlendHighlight(bits, width, height, stride, x1, y1, x2, y2);
    }
}

// Enter and Esc act on the search; Page Up and Down page the document
// while the caret stays in the bar; the global command keys work here too.
static LRESULT OnEditKeyDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case VK_RETURN:
        FindText(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return 0;
    case VK_ESCAPE:
        ShowSearchBar(0);
        return 0;
    case VK_PRIOR:
    case VK_NEXT:
        return SendMessageW(ViewWindow, WM_KEYDOWN, wParam, lParam);
    }
    if (CommandKeyHook && CommandKeyHook((int)wParam)) return 0;
    return CallWindowProcW(SearchEditPreviousProc, hwnd, WM_KEYDOWN, wParam, lParam);
}

LRESULT CALLBACK SearchEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN) return OnEditKeyDown(hwnd, wParam, lParam);
    if (message == WM_CHAR) {
        switch (wParam) {
        case 0x01: // Ctrl+A
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
            return 0;
        // The characters of the command keys (Ctrl+F, Enter, Ctrl+O, Ctrl+P,
        // Ctrl+W, Esc) would make the edit beep or insert them.
        case 0x06:
        case 0x0D:
        case 0x0F:
        case 0x10:
        case 0x17:
        case 0x1B:
            return 0;
        }
    }
    return CallWindowProcW(SearchEditPreviousProc, hwnd, message, wParam, lParam);
}
