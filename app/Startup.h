// Start-up and the message loop: everything the entry point does around
// opening the document named on the command line.
#ifndef FOLIVEX_STARTUP_H
#define FOLIVEX_STARTUP_H

#include <windows.h>

// Everything start-up does before it reads the command line: presentation
// values, window classes, the PDF engine, the windows, the hooks through
// which the lower floors reach the features above them, and the window menu
// with the stored spread choices, in that order. The entry point and the
// tests that need the real windows both build them through this.
void BuildProgramWindows(HINSTANCE instance);

// Finds the document argument in a command line, which is modified in
// place; returns a pointer to the path, or to an empty string.
wchar_t *ParseCommandLine(wchar_t *line);

// Runs the message loop until WM_QUIT, driving the idle-time work.
void RunMessageLoop(void);

#endif
