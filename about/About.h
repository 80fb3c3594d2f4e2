// The About window and the offer to become the default PDF reader.
#ifndef FOLIVEX_ABOUT_H
#define FOLIVEX_ABOUT_H

#include <windows.h>

// A clickable address of the About window: its text's rectangle in client
// pixels, measured when the window opens.
typedef struct AboutLink {
    RECT rect;
    const wchar_t *address;
} AboutLink;

// The two links of the open About window; the count is 0 before the first
// opening.
extern AboutLink AboutLinks[2];
extern int AboutLinkCount;

// Opens the About window over the disabled main window, or brings the open
// one to the front. Closing it enables the main window again and posts
// WM_APP_CHECK_DEFAULT.
void ShowAboutWindow(void);

// Where a window of the given size goes: centred on the owner's rectangle,
// then pushed back inside the work area, its left and top edges winning
// when it is larger than the work area.
POINT PlaceOverOwner(const RECT *owner, int width, int height, const RECT *workArea);

// Once per run, when the program is registered with Windows but does not
// open ".pdf" files, asks whether to open the default-apps settings; never
// while the About window is open, and never again after a No.
void CheckDefaultReader(void);

// Opens the program's own page of the default-apps settings, or the general
// page when the program is not registered.
void OpenDefaultAppsSettings(void);

// How the program is registered with Windows: L"registeredAppUser",
// L"registeredAppMachine", or null when it is not.
const wchar_t *RegisteredAppKind(void);

#endif
