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
