// Process-wide presentation values, window handles and helpers of the
// application shell. Everything here is set once on the UI thread during
// start-up and read everywhere afterwards.
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

// Scales a size given at 96 DPI to the screen's DPI.
int ScaleDpi(int value);

// Chooses the French or English form of a user-visible text.
const wchar_t *Text(const wchar_t *french, const wchar_t *english);

// Looks up an optional system function; null when the DLL or the function
// is missing. The library is never freed.
FARPROC GetProcFromLibrary(const char *dllName, const char *procName);

// Sends MainWindow a WM_SIZE for its current client size so the children
// are placed again.
void RelayoutMainWindow(void);

// Everything start-up does before it reads the command line: presentation
// values, window classes, the PDF engine, the windows and the window menu
// with the stored spread choices, in that order. The entry point and the
// tests that need the real windows both build them through this.
void BuildProgramWindows(HINSTANCE instance);

// The steps of BuildProgramWindows, for tests that redo one of them.
void ReadPresentationValues(void);
void RegisterWindowClasses(HINSTANCE instance);
void CreateMainWindows(HINSTANCE instance);
void AppendSpreadMenuEntries(void);
void AppendLastMenuEntries(void);
void ApplyStoredSpreadMode(void);

// Finds the document argument in a command line, which is modified in
// place; returns a pointer to the path, or to an empty string.
wchar_t *ParseCommandLine(wchar_t *line);

// Runs the message loop until WM_QUIT, driving the idle-time work.
void RunMessageLoop(void);

#endif
