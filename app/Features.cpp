// Do-nothing stand-ins for the features that are not built yet, so that
// their keys, menu entries and hooks are wired and simply have no effect.
// Each one goes away when its feature is written.
#include <windows.h>

#include "Features.h"

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

void ShowSearchBar(int)
{
}

void FindText(int)
{
}

int SearchHitPage(void)
{
    return -1;
}

int SearchHitRectCount(void)
{
    return 0;
}

void ClearSearchHit(void)
{
}

void DrawSearchHighlight(FPDF_PAGE, FPDF_BITMAP, int, int, int, int)
{
}

FPDF_LINK LinkAtPoint(int, int)
{
    return NULL;
}

void FollowLink(FPDF_LINK)
{
}

void PrintDocument(void)
{
}

void PrefetchStep(void)
{
}

void OnPageDecoded(LPARAM)
{
}

void DrawComicPage(ComicBook *, int, void *, int, int, int, int, int, int)
{
}

void ShowAboutWindow(void)
{
}

void OpenDefaultAppsSettings(void)
{
}

void CheckDefaultReader(void)
{
}
