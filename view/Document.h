// The one open document: a PDF or a comic archive, mapped read-only, with
// the size and strip position of every page.
#ifndef FOLIVEX_DOCUMENT_H
#define FOLIVEX_DOCUMENT_H

#include <windows.h>

#include "../archive/ComicBook.h"
#include "Pdfium.h"

// Documents with more pages than this are refused: the page arrays and the
// per-row spacing of the strip must stay far inside 32-bit arithmetic.
#define MAX_PAGE_COUNT 10000000

// The longest path Windows can name, terminating zero included. Paths past
// the old 260-unit limit open where the system allows them, and the title
// must still show the file's own name.
#define LONGEST_PATH_UNITS 32768

struct DocumentRecord {
    FPDF_DOCUMENT pdf;
    ComicBook *comic;
    HANDLE mapping;
    const unsigned char *mappedView;
    int pageCount;
    double *pageWidths;  // points
    double *pageHeights; // points
    int *pageY;          // strip pixels, written by LayoutPages
    int *pageX;
    wchar_t path[LONGEST_PATH_UNITS];
    wchar_t *fileName; // points into path
};

extern DocumentRecord Document;

// Replaces the current document by the file at path when it opens; on
// failure shows the error and leaves the current document as it was.
void OpenDocument(const wchar_t *path);

// Releases pages, document, mapping and page arrays; harmless when nothing
// is open. Leaves path, fileName, the view and the title alone.
void CloseDocument(void);

// Nonzero while a document is open.
int IsDocumentOpen(void);

// Sets bytes to the size of the page-array block for a page count and
// returns 1, or returns 0 for a count the reader refuses.
int PageArrayBytes(int pageCount, SIZE_T *bytes);

// The message for an open error code, in the user's language.
const wchar_t *OpenErrorMessage(int error);

// When set, open failures are handed here instead of a message box, so
// tests can check them without a modal loop.
extern void (*OpenErrorHook)(int error);

#endif
