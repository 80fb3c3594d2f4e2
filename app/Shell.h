// The ground floor of the program: presentation values, window handles,
// message and command ids, and small helpers that every folder uses. This
// header includes nothing else of the program, and what it declares calls
// nothing above it, so every folder can stand on it. Everything here is set
// once on the UI thread during start-up and read everywhere afterwards.
#ifndef FOLIVEX_SHELL_H
#define FOLIVEX_SHELL_H

#include <windows.h>

// Private window messages posted to MainWindow.
#define WM_APP_CHECK_DEFAULT (WM_APP + 1)
#define WM_APP_PAGE_DECODED  (WM_APP + 2)

// System-menu command ids: multiples of 16 because WM_SYSCOMMAND keeps the
// low four bits for the system's own use.
#define IDM_ABOUT          16
#define IDM_DEFAULT_READER 32
#define IDM_THUMBNAILS     48
#define IDM_DOUBLE_PAGE    64
#define IDM_COVER_ALONE    80

extern int IsFrench;
extern int ScreenDpi;
extern HFONT MessageFont;
extern int SearchBarHeight;

extern HWND MainWindow;
extern HWND ViewWindow;
extern HWND SearchEdit;
extern WNDPROC SearchEditPreviousProc;
extern HWND ThumbsWindow;
extern HWND AboutWindow;

// GetTickCount() when the message loop last took a keyboard or mouse
// message: idle work that cannot be interrupted waits for a lull after it.
extern DWORD LastInputTime;

// The global command keys (HandleCommandKey of the main window), for the
// windows below it that offer every key there first: 1 when the key was a
// command and has been carried out. Set at start-up.
extern int (*CommandKeyHook)(int vk);

// Scales a size given at 96 DPI to the screen's DPI.
int ScaleDpi(int value);

// Chooses the French or English form of a user-visible text.
const wchar_t *Text(const wchar_t *french, const wchar_t *english);

// Looks up an optional system function in a DLL of the system folder; null
// when the DLL or the function is missing. The library is never freed.
FARPROC GetProcFromLibrary(const char *dllName, const char *procName);

// Sends MainWindow a WM_SIZE for its current client size so the children
// are placed again.
void RelayoutMainWindow(void);

// Nonzero while the key is down, as GetKeyState reports it for the message
// being handled.
int IsKeyDown(int vk);

// Registers a window class of this module with no background brush (each
// window paints all of its client area) and the given system cursor.
void RegisterPlainClass(const wchar_t *name, WNDPROC proc, LPCWSTR cursor);

// Sets the window's scroll bar to a content of length units of which page
// are in sight from pos; extraMask adds SIF_DISABLENOSCROLL where the bar
// must stay.
void SetScrollBar(HWND window, int bar, int length, int page, int pos, UINT extraMask);

// The position a scroll bar's request (an SB_ code) asks of the window's
// bar, line and page being its steps; the caller clamps it.
int ScrollBarRequestTarget(HWND window, int bar, int code, int line, int page);

// Describes a 32-bit top-down DIB of width x height pixels: the layout of
// every page image, render and thumbnail of the program.
void DescribeTopDownBitmap(BITMAPINFO *bmi, int width, int height);

#endif
