// The main window procedure and the global command surface: keys that act
// wherever the focus is, the Open dialog and the window-menu commands.
#ifndef FOLIVEX_COMMANDS_H
#define FOLIVEX_COMMANDS_H

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Performs the command bound to a key and returns 1, or returns 0 when the
// key is not a command key. Modifiers are read with GetKeyState.
int HandleCommandKey(int vk);

// Shows the Open dialog and opens the chosen file.
void ShowOpenDialog(void);

// Places the search strip, the thumbnail panel and the view in a client
// area of the given size.
void PlaceChildren(int width, int height);

// Sets the check marks of the two spread entries of the window menu.
void CheckSpreadMenuEntries(void);

#endif
