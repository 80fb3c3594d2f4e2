// Links of PDF pages: which link lies under a point of the view, and
// opening web and mail links with the system's handler. LinkAtPoint and
// FollowLink themselves are declared in app/Features.h.
#ifndef FOLIVEX_LINKS_H
#define FOLIVEX_LINKS_H

#include <windows.h>

#include "../app/Features.h"

// Room for a link's address, in bytes including the final zero; longer
// addresses are not followed.
#define LINK_URI_BYTES 2048

// The page under client point (x, y) of the view and its box in client
// pixels, or -1 when the point lies in no page (gaps and margins included).
// The box's right and bottom edges are outside the page.
int PageAtClientPoint(int x, int y, int *left, int *top, int *width, int *height);

// Nonzero when a zero-terminated address starts with "http://",
// "https://" or "mailto:", letters in any case.
int IsFollowedScheme(const char *uri);

// When set, a followed link's address goes here instead of to the shell,
// so tests can see what would have been opened.
extern void (*OpenUriHook)(const wchar_t *uri);

#endif
