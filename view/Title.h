// The main window's caption: file name, current page (or spread) and page
// count. Computing it also decides which page is current.
#ifndef FOLIVEX_TITLE_H
#define FOLIVEX_TITLE_H

// Writes the caption for a current page into title (at least
// TITLE_CAPACITY units).
#define TITLE_CAPACITY 320
void FormatTitle(wchar_t *title, int current);

// Sets the caption when the current page has changed since the last call
// (always while no document is open), and tells the view's hooks.
void UpdateTitle(void);

#endif
