// The features not built yet: printing, the About window and the
// default-reader prompt. Their keys, menu entries and hooks are wired to
// these operations, which do nothing for now; each moves to its own
// folder's header when its feature is written.
#ifndef FOLIVEX_UNBUILT_H
#define FOLIVEX_UNBUILT_H

#include <windows.h>

// Printing.
void PrintDocument(void);

// About window and default reader.
void ShowAboutWindow(void);
void OpenDefaultAppsSettings(void);
void CheckDefaultReader(void);

#endif
