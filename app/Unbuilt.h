// The thumbnail panel is not built yet. Its keys, menu entry and hooks are
// wired to these operations, which do nothing for now.
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

#endif
