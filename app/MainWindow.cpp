// Main window: child placement, dropped files, window-menu commands and the
// global command keys.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include "../about/About.h"
#include "../imaging/PageImages.h"
#include "../print/Print.h"
#include "../search/Search.h"
#include "../thumbs/Thumbs.h"
#include "../view/Document.h"
#include "../view/Layout.h"
#include "Commands.h"
#include "Settings.h"
#include "Shell.h"

typedef UINT(WINAPI *DragQueryFileWProc)(HDROP, UINT, LPWSTR, UINT);
typedef void(WINAPI *DragFinishProc)(HDROP);
typedef BOOL(WINAPI *GetOpenFileNameWProc)(LPOPENFILENAMEW);

// The search strip spans the whole width on top; the thumbnail panel and
// the view share the rest. A child not created yet is simply skipped.
void PlaceChildren(int width, int height)
{
    // The edit's own flag: while a document opens, the main window's redraw
    // is held, which makes every child read as hidden.
    int bar = SearchEdit && (GetWindowLongW(SearchEdit, GWL_STYLE) & WS_VISIBLE) ? SearchBarHeight : 0;
    int pad = SearchBarHeight / 6;
    int thumbs = ThumbsPanelWidth();
    if (SearchEdit) MoveWindow(SearchEdit, pad, pad, width - 2 * pad, SearchBarHeight - 2 * pad, TRUE);
    if (ThumbsWindow) MoveWindow(ThumbsWindow, 0, bar, thumbs, height - bar, TRUE);
    if (ViewWindow) MoveWindow(ViewWindow, thumbs, bar, width - thumbs, height - bar, TRUE);
}

// Only the first dropped file is opened, whatever the length of its path.
// Without shell32's functions the drop is ignored.
static void OnDropFiles(HDROP drop)
{
    DragQueryFileWProc dragQueryFile = (DragQueryFileWProc)(void *)GetProcFromLibrary("shell32", "DragQueryFileW");
    if (!dragQueryFile) return;
    UINT length = dragQueryFile(drop, 0, NULL, 0);
    wchar_t *path = length ? (wchar_t *)HeapAlloc(GetProcessHeap(), 0, (length + 1) * sizeof(wchar_t)) : NULL;
    if (path && dragQueryFile(drop, 0, path, length + 1)) OpenDocument(path);
    if (path) HeapFree(GetProcessHeap(), 0, path);
    DragFinishProc dragFinish = (DragFinishProc)(void *)GetProcFromLibrary("shell32", "DragFinish");
    if (dragFinish) dragFinish(drop);
}

// The filter list: pairs of description and pattern, ended by an empty
// string (hence the explicit final terminator).
static const wchar_t FrenchFilters[] = L"PDF et bandes dessin\u00e9es\0*.pdf;*.cbz;*.cbr\0"
                                       L"Documents PDF\0*.pdf\0"
                                       L"Bandes dessin\u00e9es\0*.cbz;*.cbr;*.zip;*.rar\0"
                                       L"Tous les fichiers\0*.*\0";
static const wchar_t EnglishFilters[] = L"PDF and comics\0*.pdf;*.cbz;*.cbr\0"
                                        L"PDF documents\0*.pdf\0"
                                        L"Comics\0*.cbz;*.cbr;*.zip;*.rar\0"
                                        L"All files\0*.*\0";

// The path buffer holds the longest path Windows can name: a shorter one
// would make the dialog refuse a file in a deep folder.
void ShowOpenDialog(void)
{
    GetOpenFileNameWProc getOpenFileName =
        (GetOpenFileNameWProc)(void *)GetProcFromLibrary("comdlg32", "GetOpenFileNameW");
    if (!getOpenFileName) return;
    wchar_t *path = (wchar_t *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, LONGEST_PATH_UNITS * sizeof(wchar_t));
    if (!path) return;
    OPENFILENAMEW ofn;
    ZeroMemory(&ofn, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = MainWindow;
    ofn.lpstrFilter = IsFrench ? FrenchFilters : EnglishFilters;
    ofn.lpstrFile = path;
    ofn.nMaxFile = LONGEST_PATH_UNITS;
    ofn.Flags = OFN_FILEMUSTEXIST;
    if (getOpenFileName(&ofn)) OpenDocument(path);
    HeapFree(GetProcessHeap(), 0, path);
}

// F1, F3 and F4 work with or without modifiers; the rest need Ctrl.
int HandleCommandKey(int vk)
{
    int halfWidth = ViewState.viewWidth / 2;
    int halfHeight = ViewState.viewHeight / 2;
    switch (vk) {
    case VK_F3:
        FindText(IsKeyDown(VK_SHIFT) ? -1 : 1);
        return 1;
    case VK_F1:
        ShowAboutWindow();
        return 1;
    case VK_F4:
        ToggleThumbs();
        RelayoutMainWindow();
        return 1;
    }
    if (!IsKeyDown(VK_CONTROL)) return 0;
    switch (vk) {
    case 'O':
        ShowOpenDialog();
        return 1;
    case 'P':
        PrintDocument();
        return 1;
    case 'F':
        ShowSearchBar(1);
        return 1;
    case 'W':
        DestroyWindow(MainWindow);
        return 1;
    case VK_ADD:
    case VK_OEM_PLUS:
        SetZoom(ViewState.zoom * 1.25, halfWidth, halfHeight);
        return 1;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        SetZoom(ViewState.zoom / 1.25, halfWidth, halfHeight);
        return 1;
    case '0':
    case VK_NUMPAD0:
        FitWidth();
        return 1;
    case '1':
    case VK_NUMPAD1:
        // One PDF point becomes one point on screen.
        SetZoom(ScreenDpi / 72.0, halfWidth, halfHeight);
        return 1;
    }
    return 0;
}

// "Cover alone" shows the cover choice even while the two-page view is off.
void CheckSpreadMenuEntries(void)
{
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    CheckMenuItem(menu, IDM_DOUBLE_PAGE, MF_BYCOMMAND | (ViewState.doublePage ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_COVER_ALONE, MF_BYCOMMAND | (ViewState.coverPaired ? MF_UNCHECKED : MF_CHECKED));
}

// The user's choice of page mode (the window menu, and D or Shift+D in the
// view): applied, stored for the next runs, and shown in the window menu.
static void ChooseSpreadMode(int doublePage, int coverPaired)
{
    SetSpreadMode(doublePage, coverPaired);
    SetSetting(L"DoublePage", ViewState.doublePage);
    SetSetting(L"CoverPaired", ViewState.coverPaired);
    CheckSpreadMenuEntries();
}

// Commands of the entries added to the window menu; every other command
// (move, size, close...) keeps its default handling.
static int OnSystemCommand(WPARAM command)
{
    switch (command & 0xFFF0) {
    case IDM_ABOUT:
        ShowAboutWindow();
        return 1;
    case IDM_DEFAULT_READER:
        OpenDefaultAppsSettings();
        return 1;
    case IDM_THUMBNAILS:
        ToggleThumbs();
        RelayoutMainWindow();
        return 1;
    case IDM_DOUBLE_PAGE:
        ChooseSpreadMode(!ViewState.doublePage, ViewState.coverPaired);
        return 1;
    case IDM_COVER_ALONE:
        ChooseSpreadMode(1, !ViewState.coverPaired);
        return 1;
    }
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        PlaceChildren(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        if (SearchEdit && IsWindowVisible(SearchEdit)) {
            SetFocus(SearchEdit);
        } else if (ViewWindow) {
            SetFocus(ViewWindow);
        }
        return 0;
    case WM_ERASEBKGND: {
        // The colour of the search strip around the edit.
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect((HDC)wParam, &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_SYSCOMMAND:
        if (OnSystemCommand(wParam)) return 0;
        break;
    case WM_DROPFILES:
        OnDropFiles((HDROP)wParam);
        return 0;
    case WM_APP_CHECK_DEFAULT:
        CheckDefaultReader();
        return 0;
    case WM_APP_PAGE_DECODED:
        OnPageDecoded(lParam);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
