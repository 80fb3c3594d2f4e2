// The About window: a fixed-size pop-up drawn entirely by the program. One
// layout routine runs twice: at opening, to measure the content (which
// gives the window its height and records where the links are), and at
// every WM_PAINT, to draw it, so what is drawn is always what was measured.
#include <windows.h>
#include <objidl.h>

#include "../app/Settings.h"
#include "../app/Shell.h"
#include "About.h"
#include "Maker.h"

#define ABOUT_CHECK_BOX_ID 100

#define COLOUR_BACKGROUND RGB(253, 252, 250)
#define COLOUR_TEXT       RGB(23, 25, 35)
#define COLOUR_GREY       RGB(90, 96, 114)
#define COLOUR_ACCENT     RGB(30, 58, 138)
#define COLOUR_WARNING    RGB(200, 50, 42)
#define COLOUR_SEPARATOR  RGB(221, 225, 235)
#define COLOUR_BOX        RGB(247, 247, 248)

enum { FONT_TITLE, FONT_BODY, FONT_BOLD, FONT_SMALL, FONT_MONO, FONT_LINK, FONT_COUNT };

typedef struct GdiplusStartupInputRecord {
    UINT32 GdiplusVersion;
    void *DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
} GdiplusStartupInputRecord;

typedef IStream *(WINAPI *SHCreateMemStreamProc)(const BYTE *, UINT);
typedef int(WINAPI *GdiplusStartupProc)(ULONG_PTR *, const GdiplusStartupInputRecord *, void *);
typedef void(WINAPI *GdiplusShutdownProc)(ULONG_PTR);
typedef int(WINAPI *GdipCreateBitmapFromStreamProc)(IStream *, void **);
typedef int(WINAPI *GdipCreateHBITMAPFromBitmapProc)(void *, HBITMAP *, DWORD);
typedef int(WINAPI *GdipDisposeImageProc)(void *);
typedef HINSTANCE(WINAPI *ShellExecuteWProc)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

AboutLink AboutLinks[2];
int AboutLinkCount;

static HBRUSH AboutBackground;
static HBITMAP AboutBanner;
static HFONT AboutFonts[FONT_COUNT];
static HWND AboutCheckBox;
static HWND AboutCloseButton;

// One layout pass: the margin and content width of this opening, the
// running y, and whether the pass paints or only measures.
static struct {
    int margin;
    int width;
    int y;
    int painting;
    HDC dc;
} Pass;

static const wchar_t *const Licences[14][2] = {
    {L"PDFium", L"BSD-3-Clause, Apache-2.0"},
    {L"FreeType", L"FTL"},
    {L"libjpeg-turbo", L"IJG, BSD-3-Clause"},
    {L"OpenJPEG", L"BSD-2-Clause"},
    {L"libpng", L"libpng-2.0"},
    {L"zlib", L"Zlib"},
    {L"Little CMS", L"MIT"},
    {L"AGG 2.3", L"AGG (permissive)"},
    {L"Abseil", L"Apache-2.0"},
    {L"ICU", L"Unicode-3.0"},
    {L"fast_float", L"MIT, Apache-2.0"},
    {L"simdutf", L"MIT, Apache-2.0"},
    {L"LLVM libc", L"Apache-2.0 LLVM"},
    {L"UnRAR (CBR)", L"Licence UnRAR"},
};

static void FillColour(HDC dc, const RECT *rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, rect, brush);
    DeleteObject(brush);
}

// Word-wrapped text in the column [x, x + width) at the running y, which it
// leaves alone; returns the height the text takes.
static int TextBlock(int font, COLORREF colour, const wchar_t *text, UINT align, int x, int width)
{
    SelectObject(Pass.dc, AboutFonts[font]);
    RECT rect = {x, Pass.y, x + width, Pass.y};
    DrawTextW(Pass.dc, text, -1, &rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | align);
    if (Pass.painting) {
        // Measuring narrows the rectangle to the text; the column aligns it.
        rect.left = x;
        rect.right = x + width;
        SetTextColor(Pass.dc, colour);
        DrawTextW(Pass.dc, text, -1, &rect, DT_WORDBREAK | DT_NOPREFIX | align);
    }
    return rect.bottom - rect.top;
}

static void Paragraph(int font, COLORREF colour, const wchar_t *text, UINT align, int gap)
{
    Pass.y += TextBlock(font, colour, text, align, Pass.margin, Pass.width) + ScaleDpi(gap);
}

static void Separator(void)
{
    Pass.y += ScaleDpi(10);
    if (Pass.painting) {
        RECT rule = {Pass.margin, Pass.y, Pass.margin + Pass.width, Pass.y + 1};
        FillColour(Pass.dc, &rule, COLOUR_SEPARATOR);
    }
    Pass.y += ScaleDpi(9);
}

// One centred line. Only its text reacts to the mouse, so the rectangle
// recorded is the text's own, not the whole line's.
static void Link(const wchar_t *text, const wchar_t *address)
{
    SelectObject(Pass.dc, AboutFonts[FONT_LINK]);
    RECT rect = {0, 0, 0, 0};
    DrawTextW(Pass.dc, text, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    OffsetRect(&rect, Pass.margin + (Pass.width - rect.right) / 2, Pass.y);
    if (Pass.painting) {
        SetTextColor(Pass.dc, COLOUR_ACCENT);
        DrawTextW(Pass.dc, text, -1, &rect, DT_SINGLELINE | DT_NOPREFIX);
    } else if (AboutLinkCount < 2) {
        AboutLinks[AboutLinkCount].rect = rect;
        AboutLinks[AboutLinkCount].address = address;
        AboutLinkCount++;
    }
    Pass.y = rect.bottom;
}

// Two columns, left to right then down; each entry's name on the left of
// its column and its licence on the right.
static void LicenceTable(void)
{
    int gap = ScaleDpi(16);
    int column = (Pass.width - gap) / 2;
    for (int i = 0; i < 14; i++) {
        int left = i % 2 ? Pass.margin + column + gap : Pass.margin;
        int height = TextBlock(FONT_SMALL, COLOUR_TEXT, Licences[i][0], 0, left, column);
        TextBlock(FONT_SMALL, COLOUR_GREY, Licences[i][1], DT_RIGHT, left, column);
        if (i % 2 == 1 || i == 13) Pass.y += height + ScaleDpi(1);
    }
}

static void DrawBanner(int x, int y)
{
    BITMAP size;
    GetObjectW(AboutBanner, sizeof size, &size);
    HDC memory = CreateCompatibleDC(Pass.dc);
    HGDIOBJ old = SelectObject(memory, AboutBanner);
    int oldMode = SetStretchBltMode(Pass.dc, HALFTONE);
    // HALFTONE stretching needs the brush origin set again.
    SetBrushOrgEx(Pass.dc, 0, 0, NULL);
    StretchBlt(Pass.dc, x, y, ScaleDpi(260), ScaleDpi(57), memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SetStretchBltMode(Pass.dc, oldMode);
    SelectObject(memory, old);
    DeleteDC(memory);
}

// A rounded box with the banner inside, drawn empty when there is none.
static void BannerBox(void)
{
    int boxWidth = ScaleDpi(284);
    int boxHeight = ScaleDpi(77);
    int left = Pass.margin + (Pass.width - boxWidth) / 2;
    if (Pass.painting) {
        HBRUSH box = CreateSolidBrush(COLOUR_BOX);
        HGDIOBJ oldBrush = SelectObject(Pass.dc, box);
        HGDIOBJ oldPen = SelectObject(Pass.dc, GetStockObject(NULL_PEN));
        // Without a pen the shape stops one pixel short of the right and
        // bottom coordinates, hence the + 1.
        RoundRect(Pass.dc, left, Pass.y, left + boxWidth + 1, Pass.y + boxHeight + 1, ScaleDpi(16), ScaleDpi(16));
        SelectObject(Pass.dc, oldPen);
        SelectObject(Pass.dc, oldBrush);
        DeleteObject(box);
        if (AboutBanner) DrawBanner(left + ScaleDpi(12), Pass.y + ScaleDpi(10));
    }
    Pass.y += boxHeight + ScaleDpi(6);
}

static void LayoutAboutContent(void)
{
    Pass.y = ScaleDpi(18);
    Paragraph(FONT_TITLE, COLOUR_ACCENT, L"Folivex", DT_CENTER, 0);
    Paragraph(FONT_MONO, COLOUR_GREY, L"v0.5.0", DT_CENTER, 4);
    Paragraph(FONT_BODY, COLOUR_TEXT,
              Text(L"Lecteur minimal de PDF et de bandes dessin\u00e9es (CBZ, CBR) : affichage, impression et "
                   L"recherche, con\u00e7u pour d\u00e9marrer instantan\u00e9ment.",
                   L"Minimal reader for PDF and comics (CBZ, CBR): display, printing and search, built to start "
                   L"instantly."),
              DT_CENTER, 0);
    Separator();
    Paragraph(FONT_BOLD, COLOUR_TEXT, FOLIVEX_COPYRIGHT, DT_CENTER, 0);
    Paragraph(FONT_SMALL, COLOUR_GREY, Text(L"Tous droits r\u00e9serv\u00e9s.", L"All rights reserved."), DT_CENTER, 2);
    Link(FOLIVEX_SITE_NAME, FOLIVEX_SITE_ADDRESS);
    Separator();
    Paragraph(FONT_BOLD, COLOUR_WARNING,
              Text(L"Logiciel exp\u00e9rimental, en cours de d\u00e9veloppement",
                   L"Experimental software, under development"),
              0, 3);
    Paragraph(FONT_BODY, COLOUR_TEXT,
              Text(L"Il n'est destin\u00e9 ni \u00e0 un environnement de production, ni \u00e0 un usage critique. "
                   L"Son utilisation se fait aux risques de l'utilisateur : aucune garantie n'est donn\u00e9e, ni "
                   L"sur son fonctionnement, ni sur l'exactitude de ce qu'il affiche ou imprime. V\u00e9rifiez toute "
                   L"valeur avant d'en tirer une d\u00e9cision technique.",
                   L"It is intended neither for production nor for safety-critical use. You use it at your own "
                   L"risk: no warranty is given, either that it works or that what it shows or prints is correct. "
                   L"Check any value before making an engineering decision from it."),
              0, 0);
    Separator();
    Paragraph(FONT_BOLD, COLOUR_TEXT, L"Licences", 0, 4);
    Paragraph(FONT_SMALL, COLOUR_GREY, Text(L"Livr\u00e9 avec l'application", L"Shipped with the application"), 0, 2);
    LicenceTable();
    Pass.y += ScaleDpi(6);
    Paragraph(FONT_SMALL, COLOUR_GREY,
              Text(L"Le texte int\u00e9gral de chaque licence accompagne le composant concern\u00e9, dans le dossier "
                   L"d'installation.",
                   L"The full text of each licence travels with the component it covers, in the installation "
                   L"folder."),
              0, 0);
    Separator();
    BannerBox();
    Paragraph(FONT_BODY, COLOUR_TEXT, Text(FOLIVEX_ENGINE_FRENCH, FOLIVEX_ENGINE_ENGLISH), DT_CENTER, 4);
    Link(FOLIVEX_ENGINE_SITE_NAME, FOLIVEX_ENGINE_SITE_ADDRESS);
    Separator();
}

static void RunPass(HDC dc, int painting)
{
    Pass.dc = dc;
    Pass.painting = painting;
    HGDIOBJ oldFont = SelectObject(dc, AboutFonts[FONT_BODY]);
    LayoutAboutContent();
    SelectObject(dc, oldFont);
}

// The banner is a PNG in the resources, decoded by GDI+ onto the box colour
// so that its transparent pixels take the colour of the box. Null when
// anything is missing or fails; the next opening tries again.
static HBITMAP LoadAboutBanner(void)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(2), RT_RCDATA);
    SHCreateMemStreamProc createStream =
        (SHCreateMemStreamProc)(void *)GetProcFromLibrary("shlwapi", "SHCreateMemStream");
    GdiplusStartupProc startup = (GdiplusStartupProc)(void *)GetProcFromLibrary("gdiplus", "GdiplusStartup");
    GdiplusShutdownProc shutdown = (GdiplusShutdownProc)(void *)GetProcFromLibrary("gdiplus", "GdiplusShutdown");
    GdipCreateBitmapFromStreamProc fromStream =
        (GdipCreateBitmapFromStreamProc)(void *)GetProcFromLibrary("gdiplus", "GdipCreateBitmapFromStream");
    GdipCreateHBITMAPFromBitmapProc toBitmap =
        (GdipCreateHBITMAPFromBitmapProc)(void *)GetProcFromLibrary("gdiplus", "GdipCreateHBITMAPFromBitmap");
    GdipDisposeImageProc dispose = (GdipDisposeImageProc)(void *)GetProcFromLibrary("gdiplus", "GdipDisposeImage");
    if (!resource || !createStream || !startup || !shutdown || !fromStream || !toBitmap || !dispose) return NULL;

    const BYTE *bytes = (const BYTE *)LockResource(LoadResource(instance, resource));
    IStream *stream = bytes ? createStream(bytes, SizeofResource(instance, resource)) : NULL;
    if (!stream) return NULL;
    HBITMAP banner = NULL;
    ULONG_PTR token;
    GdiplusStartupInputRecord input = {1, NULL, FALSE, FALSE};
    if (startup(&token, &input, NULL) == 0) {
        void *image = NULL;
        if (fromStream(stream, &image) == 0) {
            if (toBitmap(image, &banner, 0xFFF7F7F8) != 0) banner = NULL;
            dispose(image);
        }
        shutdown(token);
    }
    stream->Release();
    return banner;
}

static HFONT AboutFont(const wchar_t *face, int size, int weight, int underline)
{
    return CreateFontW(-ScaleDpi(size), 0, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

static void CreateAboutFonts(void)
{
    AboutFonts[FONT_TITLE] = AboutFont(L"Segoe UI Semibold", 26, 600, FALSE);
    AboutFonts[FONT_BODY] = AboutFont(L"Segoe UI", 13, 400, FALSE);
    AboutFonts[FONT_BOLD] = AboutFont(L"Segoe UI", 13, 700, FALSE);
    AboutFonts[FONT_SMALL] = AboutFont(L"Segoe UI", 12, 400, FALSE);
    AboutFonts[FONT_MONO] = AboutFont(L"Consolas", 12, 400, FALSE);
    AboutFonts[FONT_LINK] = AboutFont(L"Segoe UI", 13, 400, TRUE);
}

static void DeleteAboutFonts(void)
{
    for (int i = 0; i < FONT_COUNT; i++) {
        DeleteObject(AboutFonts[i]);
        AboutFonts[i] = NULL;
    }
}

// The main window is enabled before the About window goes, so that
// activation returns to it; the default-reader check, held back while the
// About window was open, then gets its turn.
static void CloseAboutWindow(HWND hwnd)
{
    EnableWindow(MainWindow, TRUE);
    DestroyWindow(hwnd);
    PostMessageW(MainWindow, WM_APP_CHECK_DEFAULT, 0, 0);
}

static int LinkUnderCursor(HWND hwnd)
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    for (int i = 0; i < AboutLinkCount; i++) {
        if (PtInRect(&AboutLinks[i].rect, cursor)) return 1;
    }
    return 0;
}

static void OpenLinksAt(HWND hwnd, POINT point)
{
    ShellExecuteWProc shellExecute = (ShellExecuteWProc)(void *)GetProcFromLibrary("shell32", "ShellExecuteW");
    if (!shellExecute) return;
    for (int i = 0; i < AboutLinkCount; i++) {
        if (PtInRect(&AboutLinks[i].rect, point))
            shellExecute(hwnd, L"open", AboutLinks[i].address, NULL, NULL, SW_SHOWNORMAL);
    }
}

static void PaintAbout(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, AboutBackground);
    SetBkMode(dc, TRANSPARENT);
    RunPass(dc, 1);
    EndPaint(hwnd, &ps);
}

static LRESULT CALLBACK AboutWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintAbout(hwnd);
        return 0;
    case WM_SETCURSOR:
        if (!LinkUnderCursor(hwnd)) break;
        SetCursor(LoadCursorW(NULL, IDC_HAND));
        return TRUE;
    case WM_LBUTTONUP: {
        POINT point = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        OpenLinksAt(hwnd, point);
        return 0;
    }
    case WM_COMMAND:
        // The choice is stored the moment the box changes, whether or not
        // the window is then closed with Close.
        if (LOWORD(wParam) == ABOUT_CHECK_BOX_ID) {
            SetSetting(L"HideAboutOnStartup", SendMessageW(AboutCheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED);
        } else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            CloseAboutWindow(hwnd);
        }
        return 0;
    case WM_CLOSE:
        CloseAboutWindow(hwnd);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor((HDC)wParam, COLOUR_BACKGROUND);
        SetTextColor((HDC)wParam, COLOUR_TEXT);
        return (LRESULT)AboutBackground;
    case WM_DESTROY:
        DeleteAboutFonts();
        AboutWindow = NULL;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

POINT PlaceOverOwner(const RECT *owner, int width, int height, const RECT *workArea)
{
    POINT at;
    at.x = (owner->left + owner->right - width) / 2;
    at.y = (owner->top + owner->bottom - height) / 2;
    if (at.x + width > workArea->right) at.x = workArea->right - width;
    if (at.y + height > workArea->bottom) at.y = workArea->bottom - height;
    if (at.x < workArea->left) at.x = workArea->left;
    if (at.y < workArea->top) at.y = workArea->top;
    return at;
}

// The check box and Close share the row under the content; Close's right
// edge lines up with the content's.
static void CreateAboutControls(HINSTANCE instance, int top, int height)
{
    int left = Pass.margin;
    int width = Pass.width;
    AboutCheckBox =
        CreateWindowExW(0, L"BUTTON", Text(L"Ne plus afficher au d\u00e9marrage", L"Do not show at startup"),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, left, top, width - ScaleDpi(120), height,
                        AboutWindow, (HMENU)ABOUT_CHECK_BOX_ID, instance, NULL);
    AboutCloseButton = CreateWindowExW(
        0, L"BUTTON", Text(L"Fermer", L"Close"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        left + width - ScaleDpi(100), top, ScaleDpi(100), height, AboutWindow, (HMENU)IDOK, instance, NULL);
    SendMessageW(AboutCheckBox, WM_SETFONT, (WPARAM)AboutFonts[FONT_BODY], FALSE);
    SendMessageW(AboutCloseButton, WM_SETFONT, (WPARAM)AboutFonts[FONT_BODY], FALSE);
    if (GetSetting(L"HideAboutOnStartup")) SendMessageW(AboutCheckBox, BM_SETCHECK, BST_CHECKED, 0);
}

void ShowAboutWindow(void)
{
    if (AboutWindow) {
        SetForegroundWindow(AboutWindow);
        return;
    }
    HINSTANCE instance = GetModuleHandleW(NULL);
    if (!AboutBackground) {
        RegisterPlainClass(L"FolivexAbout", AboutWndProc, IDC_ARROW);
        AboutBackground = CreateSolidBrush(COLOUR_BACKGROUND);
    }
    if (!AboutBanner) AboutBanner = LoadAboutBanner();
    CreateAboutFonts();
    wchar_t title[64];
    wsprintfW(title, Text(L"\u00c0 propos de %s", L"About %s"), L"Folivex");
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    AboutWindow = CreateWindowExW(WS_EX_DLGMODALFRAME, L"FolivexAbout", title, style, 0, 0, 0, 0, MainWindow, NULL,
                                  instance, NULL);
    if (!AboutWindow) {
        DeleteAboutFonts();
        return;
    }

    Pass.margin = ScaleDpi(24);
    Pass.width = ScaleDpi(500);
    AboutLinkCount = 0;
    HDC dc = GetDC(AboutWindow);
    RunPass(dc, 0);
    ReleaseDC(AboutWindow, dc);
    int controlsTop = Pass.y;
    int controlHeight = ScaleDpi(28);
    CreateAboutControls(instance, controlsTop, controlHeight);

    RECT frame = {0, 0, Pass.width + 2 * Pass.margin, controlsTop + ScaleDpi(16) + controlHeight};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    RECT owner;
    RECT workArea;
    GetWindowRect(MainWindow, &owner);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    POINT at = PlaceOverOwner(&owner, width, height, &workArea);
    SetWindowPos(AboutWindow, NULL, at.x, at.y, width, height, SWP_NOZORDER);
    EnableWindow(MainWindow, FALSE);
    ShowWindow(AboutWindow, SW_SHOW);
    SetFocus(AboutCloseButton);
}
