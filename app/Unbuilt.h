// The features not built yet: the thumbnail panel, the About window and
// the default-reader prompt. Their keys, menu entries and hooks
// are wired to these operations, which do nothing for now; each moves to its
// own folder's header when its feature is written.
#ifndef FOLIVEX_UNBUILT_H
#define FOLIVEX_UNBUILT_H

#include <windows.h>

#include "../view/Document.h"

// Thumbnail panel.
void CreateThumbsWindow(void);
int ThumbsPanelWidth(void);
void ToggleThumbs(void);
void ResetThumbs(FPDF_DOCUMENT pdf, ComicBook *comic, int count, const double *pageWidths, const double *pageHeights);
void FollowCurrentPage(int page);
int ThumbsIdleStep(void);

// About window and default reader.
void ShowAboutWindow(void);
void OpenDefaultAppsSettings(void);
void CheckDefaultReader(void);

#endif
