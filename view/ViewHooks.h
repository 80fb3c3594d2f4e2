// Search, links and the thumbnail panel sit above the view: they use its
// document, geometry and page cache. The view reaches them through these
// pointers, which start-up fills in; a null pointer does nothing, so the
// view also works alone (in tests, or before a feature exists).
#ifndef FOLIVEX_VIEWHOOKS_H
#define FOLIVEX_VIEWHOOKS_H

#include "Document.h"
#include "Pdfium.h"

struct ViewHooksRecord {
    // The open document changed: called with the new document once it is in
    // place, and with null when a close begins, before its pages go.
    void (*documentChanged)(const DocumentRecord *doc);
    // The title settled on a new current page.
    void (*currentPageChanged)(int page);
    // A PDF page was rendered into the paint bitmap in box x, y, w, h:
    // whatever lies over it (the search highlight) is drawn now.
    void (*drawOverPdfPage)(int page, FPDF_PAGE pdfPage, FPDF_BITMAP bitmap, int x, int y, int w, int h);
    // The link under a client point, and following one.
    FPDF_LINK (*linkAtPoint)(int x, int y);
    void (*followLink)(FPDF_LINK link);
};

extern ViewHooksRecord ViewHooks;

#endif
