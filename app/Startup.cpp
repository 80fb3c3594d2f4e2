// Start-up: presentation values, window classes, the windows and their
// window-menu entries, the hooks between the floors, command-line parsing
// and the message loop.
#include <windows.h>

#include "../imaging/PageImages.h"
#include "../links/Links.h"
#include "../search/Search.h"
#include "../thumbs/Thumbs.h"
#include "../view/Layout.h"
#include "../view/ViewHooks.h"
#include "../view/ViewWindow.h"
#include "Commands.h"
#include "Settings.h"
#include "Shell.h"
#include "Startup.h"

// The language, the screen DPI and the message font are read once: the
// program does not follow later changes of any of them.
static void ReadPresentationValues(void)
{
    IsFrench = (GetUserDefaultUILanguage() & 0x3FF) == LANG_FRENCH;
    HDC screen = GetDC(NULL);
    ScreenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    NONCLIENTMETRICSW ncm;
    ZeroMemory(&ncm, sizeof ncm);
    ncm.cbSize = 504;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &ncm, 0);
    MessageFont = CreateFontIndirectW(&ncm.lfMessageFont);
    SearchBarHeight = ScaleDpi(36);
}

// Both classes share the program icon and the arrow cursor; neither has a
// background brush, because each window paints all of its client area.
static void RegisterWindowClasses(HINSTANCE instance)
{
    WNDCLASSEXW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.hIcon = (HICON)LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                 GetSystemMetrics(SM_CYICON), 0);
    wc.hIconSm = (HICON)LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                   GetSystemMetrics(SM_CYSMICON), 0);
    wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
    wc.lpfnWndProc = MainWindowProc;
    wc.lpszClassName = L"Folivex";
    RegisterClassExW(&wc);
    wc.lpfnWndProc = ViewWindowProc;
    wc.lpszClassName = L"FolivexView";
    RegisterClassExW(&wc);
}

// The main window and its view and search edit. Their real sizes come
// from the main window's WM_SIZE placement.
static void CreateMainWindows(HINSTANCE instance)
{
    MainWindow = CreateWindowExW(WS_EX_ACCEPTFILES, L"Folivex", L"Folivex", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 CW_USEDEFAULT, 0, ScaleDpi(900), ScaleDpi(1000), NULL, NULL, instance, NULL);
    ViewWindow = CreateWindowExW(0, L"FolivexView", NULL, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                                 MainWindow, NULL, instance, NULL);
    SearchEdit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", NULL, WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, MainWindow,
                                 NULL, instance, NULL);
    SendMessageW(SearchEdit, WM_SETFONT, (WPARAM)MessageFont, FALSE);
    // wParam 1 keeps the cue text visible while the empty edit has the focus.
    SendMessageW(SearchEdit, 0x1501 /* EM_SETCUEBANNER */, 1,
                 (LPARAM)Text(L"Rechercher  (Entr\u00e9e : suivant, Maj+Entr\u00e9e : pr\u00e9c\u00e9dent, "
                              L"\u00c9chap : fermer)",
                              L"Search  (Enter: next, Shift+Enter: previous, Esc: close)"));
    // The bar's own keys go to SearchEditProc; the edit control keeps the rest.
    SearchEditPreviousProc = (WNDPROC)SetWindowLongPtrW(SearchEdit, GWLP_WNDPROC, (LONG_PTR)SearchEditProc);
}

// The separator and the thumbnail and spread entries; the spread entries'
// check marks are set next, from the stored choices.
static void AppendSpreadMenuEntries(void)
{
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuW(menu, MF_STRING, IDM_THUMBNAILS, Text(L"Miniatures\tF4", L"Thumbnails\tF4"));
    AppendMenuW(menu, MF_STRING, IDM_DOUBLE_PAGE, Text(L"Double page\tD", L"Two-page view\tD"));
    AppendMenuW(menu, MF_STRING, IDM_COVER_ALONE, Text(L"Couverture seule\tMaj+D", L"Cover alone\tShift+D"));
}

static void AppendLastMenuEntries(void)
{
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    AppendMenuW(menu, MF_STRING, IDM_DEFAULT_READER,
                Text(L"Lecteur PDF par d\u00e9faut\u2026", L"Default PDF reader\u2026"));
    AppendMenuW(menu, MF_STRING, IDM_ABOUT, Text(L"\u00c0 propos de Folivex\u2026\tF1", L"About Folivex\u2026\tF1"));
}

// Absent values read as 0: single pages with the cover alone.
static void ApplyStoredSpreadMode(void)
{
    int coverPaired = GetSetting(L"CoverPaired");
    int doublePage = GetSetting(L"DoublePage");
    SetSpreadMode(doublePage != 0, coverPaired != 0);
    CheckSpreadMenuEntries();
}

// What the view tells the features above it when the document changes: the
// old match means nothing in the new pages, and the panel starts over.
static void OnDocumentChanged(const DocumentRecord *doc)
{
    if (!doc) {
        ResetThumbs(NULL, NULL, 0, NULL, NULL);
        return;
    }
    ClearSearchHit();
    ResetThumbs(doc->pdf, doc->comic, doc->pageCount, doc->pageWidths, doc->pageHeights);
}

// The lower floors reach the features above them only through these.
static void InstallHooks(void)
{
    InstallComicImaging();
    CommandKeyHook = HandleCommandKey;
    ViewHooks.documentChanged = OnDocumentChanged;
    ViewHooks.currentPageChanged = FollowCurrentPage;
    ViewHooks.drawOverPdfPage = DrawSearchHighlight;
    ViewHooks.linkAtPoint = LinkAtPoint;
    ViewHooks.followLink = FollowLink;
}

// The spread entries' check marks are set between the two groups of menu
// entries, so the stored mode is applied there.
void BuildProgramWindows(HINSTANCE instance)
{
    ReadPresentationValues();
    RegisterWindowClasses(instance);
    InstallHooks();
    FPDF_InitLibrary();
    CreateMainWindows(instance);
    CreateThumbsWindow();
    RelayoutMainWindow();
    AppendSpreadMenuEntries();
    ApplyStoredSpreadMode();
    AppendLastMenuEntries();
}

// Skips the program name (quoted, or up to the first blank or control
// character) and the blanks after it; the argument is the rest of the line
// up to a double quote, so an unquoted path with spaces is taken whole and
// only the first quoted path counts.
wchar_t *ParseCommandLine(wchar_t *line)
{
    wchar_t *p = line;
    if (*p == L'"') {
        p++;
        while (*p && *p != L'"') p++;
        if (*p == L'"') p++;
    } else {
        while (*p > 32) p++;
    }
    while (*p == L' ' || *p == L'\t') p++;
    if (*p == L'"') p++;
    wchar_t *argument = p;
    while (*p && *p != L'"') p++;
    *p = 0;
    return argument;
}

// Idle work runs whenever the queue is empty: the comic prefetch first,
// then thumbnail slices for as long as they report more to do; only then
// does the loop sleep in GetMessageW.
void RunMessageLoop(void)
{
    MSG msg;
    for (;;) {
        if (!PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
            PrefetchStep();
            if (ThumbsIdleStep()) continue;
            if (GetMessageW(&msg, NULL, 0, 0) < 1) return;
        } else if (msg.message == WM_QUIT) {
            return;
        }
        if ((msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
            (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)) {
            LastInputTime = GetTickCount();
        }
        if (AboutWindow && IsDialogMessageW(AboutWindow, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
