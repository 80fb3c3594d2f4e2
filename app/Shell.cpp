// The ground floor: presentation values, window handles and the helpers
// every folder uses.
#include <windows.h>

#include "Shell.h"

int IsFrench;
int ScreenDpi = 96;
HFONT MessageFont;
int SearchBarHeight;

HWND MainWindow;
HWND ViewWindow;
HWND SearchEdit;
WNDPROC SearchEditPreviousProc;
HWND ThumbsWindow;
HWND AboutWindow;
int (*CommandKeyHook)(int vk);
DWORD LastInputTime;

int ScaleDpi(int value)
{
    return MulDiv(value, ScreenDpi, 96);
}

void RegisterPlainClass(const wchar_t *name, WNDPROC proc, LPCWSTR cursor)
{
    WNDCLASSW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.hCursor = LoadCursorW(NULL, cursor);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

void SetScrollBar(HWND window, int bar, int length, int page, int pos, UINT extraMask)
{
    SCROLLINFO si;
    ZeroMemory(&si, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS | extraMask;
    si.nMax = length - 1;
    si.nPage = (UINT)(page > 0 ? page : 0);
    si.nPos = pos;
    SetScrollInfo(window, bar, &si, TRUE);
}

// The thumb's position comes from the 32-bit nTrackPos, not from the
// message's 16-bit one, so long strips scroll exactly.
int ScrollBarRequestTarget(HWND window, int bar, int code, int line, int page)
{
    SCROLLINFO si;
    ZeroMemory(&si, sizeof si);
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(window, bar, &si);
    switch (code) {
    case SB_LINEUP:
        return si.nPos - line;
    case SB_LINEDOWN:
        return si.nPos + line;
    case SB_PAGEUP:
        return si.nPos - page;
    case SB_PAGEDOWN:
        return si.nPos + page;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        return si.nTrackPos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return si.nMax;
    }
    return si.nPos;
}

const wchar_t *Text(const wchar_t *french, const wchar_t *english)
{
    return IsFrench ? french : english;
}

// Only the system folder is searched: a DLL of the same name beside the
// program or in the current folder would otherwise be loaded in its place.
FARPROC GetProcFromLibrary(const char *dllName, const char *procName)
{
    HMODULE module = LoadLibraryExA(dllName, NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return NULL;
    return GetProcAddress(module, procName);
}

void RelayoutMainWindow(void)
{
    RECT client;
    GetClientRect(MainWindow, &client);
    SendMessageW(MainWindow, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
}

int IsKeyDown(int vk)
{
    return GetKeyState(vk) < 0;
}

void DescribeTopDownBitmap(BITMAPINFO *bmi, int width, int height)
{
    ZeroMemory(bmi, sizeof *bmi);
    bmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi->bmiHeader.biWidth = width;
    bmi->bmiHeader.biHeight = -height;
    bmi->bmiHeader.biPlanes = 1;
    bmi->bmiHeader.biBitCount = 32;
    bmi->bmiHeader.biCompression = BI_RGB;
}
