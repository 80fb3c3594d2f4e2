// Window title: "name - page/count - Folivex", or "name - p-q/count -
// Folivex" while a two-page spread is current.
#include <windows.h>

#include "../app/Shell.h"
#include "Document.h"
#include "Layout.h"
#include "Title.h"
#include "ViewHooks.h"

// Room for a 259-unit file name, three page numbers and the fixed text; a
// name is at most 255 units on the file systems Windows knows, and longer
// ones are cut rather than overflow the caption.
static wchar_t TitleBuffer[TITLE_CAPACITY];

// The spread form is used when the next page shares the current page's row.
void FormatTitle(wchar_t *title, int current)
{
    if (!IsDocumentOpen()) {
        lstrcpyW(title, L"Folivex");
    } else if (current + 1 < Document.pageCount && Document.pageY[current + 1] == Document.pageY[current]) {
        wsprintfW(title, L"%.259s - %d-%d/%d - Folivex", Document.fileName, current + 1, current + 2,
                  Document.pageCount);
    } else {
        wsprintfW(title, L"%.259s - %d/%d - Folivex", Document.fileName, current + 1, Document.pageCount);
    }
}

// Runs after every scroll, so it returns early while the page is unchanged
// and the caption is not rewritten needlessly.
void UpdateTitle(void)
{
    int current = CurrentPage(&Document, &ViewState);
    int open = IsDocumentOpen();
    if (open && current == ViewState.titlePage) return;
    ViewState.titlePage = current;
    if (ViewHooks.currentPageChanged) ViewHooks.currentPageChanged(current);
    FormatTitle(TitleBuffer, current);
    if (MainWindow) SetWindowTextW(MainWindow, TitleBuffer);
}
