// Do-nothing stand-ins for the features not built yet, so that their keys,
// menu entries and hooks are wired and simply have no effect.
#include "Unbuilt.h"

void CreateThumbsWindow(void)
{
}

int ThumbsPanelWidth(void)
{
    return 0;
}

void ToggleThumbs(void)
{
}

void ResetThumbs(FPDF_DOCUMENT, ComicBook *, int, const double *, const double *)
{
}

void FollowCurrentPage(int)
{
}

int ThumbsIdleStep(void)
{
    return 0;
}
