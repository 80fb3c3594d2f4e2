// Links of PDF pages: which link lies under a point of the view, and
// opening web and mail links with the system's handler.
#ifndef FOLIVEX_LINKS_H
#define FOLIVEX_LINKS_H

#include <windows.h>

#include "../view/Pdfium.h"

// Room for a link's address, in bytes including the final zero; longer
// addresses are not followed.
#define LINK_URI_BYTES 2048

// The link under client point (x, y) of the view, or null (also for
// comics, gaps and margins).
FPDF_LINK LinkAtPoint(int x, int y);

// Opens a web or mail link with the system's handler; any other link, and
// any failure, does nothing.
void FollowLink(FPDF_LINK link);

// Nonzero when a zero-terminated address starts with "http://",
// "https://" or "mailto:", letters in any case.
int IsFollowedScheme(const char *uri);

// When set, a followed link's address goes here instead of to the shell,
// so tests can see what would have been opened.
extern void (*OpenUriHook)(const wchar_t *uri);

#endif
