// Operations of the reader's later features (thumbnails, search, links,
// printing, comics, About, default reader) that the shell and the view
// call. Until a feature exists its operations here do nothing.
#ifndef FOLIVEX_FEATURES_H
#define FOLIVEX_FEATURES_H

#include <windows.h>

#include "../view/Pdfium.h"

// commdlg.h maps FindText to its own FindTextW; ours is the search command.
#undef FindText

struct ComicBook;

// Thumbnail panel.
void CreateThumbsWindow(void);
int ThumbsPanelWidth(void);
void ToggleThumbs(void);
void ResetThumbs(FPDF_DOCUMENT pdf, ComicBook *comic, int count, const double *pageWidths, const double *pageHeights);
void FollowCurrentPage(int page);
int ThumbsIdleStep(void);

// Search bar and highlighted match.
void ShowSearchBar(int show);
void FindText(int direction);
int SearchHitPage(void);
int SearchHitRectCount(void);
void ClearSearchHit(void);
void DrawSearchHighlight(FPDF_PAGE page, FPDF_BITMAP bitmap, int x, int y, int w, int h);
LRESULT CALLBACK SearchEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Links of PDF pages.
FPDF_LINK LinkAtPoint(int x, int y);
void FollowLink(FPDF_LINK link);

// Printing.
void PrintDocument(void);

// Comic pages.
void PrefetchStep(void);
void OnPageDecoded(LPARAM request);
void DrawComicPage(ComicBook *comic, int page, void *bits, int bitmapWidth, int bitmapHeight, int x, int y, int w,
                   int h);

// About window and default reader.
void ShowAboutWindow(void);
void OpenDefaultAppsSettings(void);
void CheckDefaultReader(void);

#endif
