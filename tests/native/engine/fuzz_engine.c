/*
** fuzz_engine - libFuzzer target for the PDF engine, through the same
** exported interface and glue the reader uses.
**
** Each input is opened from memory as a document; every page size is read
** (at most MAX_PAGES of them), the first pages are rendered small (the
** first one progressively too, as thumbnails are), searched for a word and
** probed for links, as the reader does.  Then a small sound document must
** open: a trap may fail the calls of the input that caused it, never the
** next document.  AddressSanitizer watches the host glue; the generated
** module is only instrumented for coverage.  Slow inputs are libFuzzer's
** to report (run.sh sets -report_slow_units).
*/
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include "view/Pdfium.h"

#define MAX_PAGES    2000
#define RENDER_PAGES 3

static const char SoundDocument[] = "%PDF-1.4\n"
                                    "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                                    "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
                                    "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] >> endobj\n"
                                    "trailer << /Root 1 0 R >>\n%%EOF\n";

static FPDF_BOOL PauseEveryTime(IFSDK_PAUSE *pause)
{
    (void)pause;
    return 1;
}

/* Search for a common word and read each match's rectangles. */
static void Search(FPDF_PAGE page)
{
    static const FPDF_WCHAR word[] = {'t', 'h', 'e', 0};
    FPDF_TEXTPAGE text = FPDFText_LoadPage(page);
    if (!text) return;
    FPDF_SCHHANDLE search = FPDFText_FindStart(text, word, 0, 0);
    for (int hits = 0; search && hits < 20 && FPDFText_FindNext(search); hits++) {
        int rects = FPDFText_CountRects(text, FPDFText_GetSchResultIndex(search), FPDFText_GetSchCount(search));
        double l, t, r, b;
        for (int i = 0; i < rects && i < 64; i++) FPDFText_GetRect(text, i, &l, &t, &r, &b);
    }
    FPDFText_FindClose(search);
    FPDFText_ClosePage(text);
}

/* Links on a coarse grid of points, as the mouse would find them. */
static void ProbeLinks(FPDF_DOCUMENT document, FPDF_PAGE page, double width, double height)
{
    char uri[2048];
    for (int y = 1; y < 8; y++)
        for (int x = 1; x < 6; x++) {
            FPDF_ACTION action = FPDFLink_GetAction(FPDFLink_GetLinkAtPoint(page, width * x / 6, height * y / 8));
            if (action && FPDFAction_GetType(action) == PDFACTION_URI)
                FPDFAction_GetURIPath(document, action, uri, sizeof uri);
        }
}

static void Render(FPDF_DOCUMENT document, int index)
{
    double width = 0, height = 0;
    FPDF_GetPageSizeByIndex(document, index, &width, &height);
    FPDF_PAGE page = FPDF_LoadPage(document, index);
    if (!page) return;
    int w = 96, h = height > 0 && width > 0 && height / width < 8 ? (int)(96 * height / width) + 1 : 96;
    FPDF_BITMAP bitmap = FPDFBitmap_Create(w, h, 0);
    if (bitmap) {
        FPDFBitmap_FillRect(bitmap, 0, 0, w, h, 0xFFFFFFFF);
        FPDF_RenderPageBitmap(bitmap, page, 0, 0, w, h, 0, FPDF_ANNOT | FPDF_LCD_TEXT);
        if (index == 0) {
            IFSDK_PAUSE pause = {1, PauseEveryTime, NULL};
            int status = FPDF_RenderPageBitmap_Start(bitmap, page, 0, 0, w, h, 0, FPDF_ANNOT, &pause);
            for (int rounds = 0; status == FPDF_RENDER_TOBECONTINUED && rounds < 10000; rounds++)
                status = FPDF_RenderPage_Continue(page, &pause);
            FPDF_RenderPage_Close(page);
        }
        FPDFBitmap_Destroy(bitmap);
    }
    Search(page);
    ProbeLinks(document, page, width, height);
    FPDF_ClosePage(page);
}

int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int started;
    if (!started) FPDF_InitLibrary(), started = 1;
    FPDF_DOCUMENT document = FPDF_LoadMemDocument64(data, size, NULL);
    int count = document ? FPDF_GetPageCount(document) : 0;
    if (!document) FPDF_GetLastError(); /* as the reader does, to tell a password from damage */
    for (int i = 0; i < count && i < MAX_PAGES; i++) {
        double w, h;
        FPDF_GetPageSizeByIndex(document, i, &w, &h);
    }
    for (int i = 0; i < count && i < RENDER_PAGES; i++) Render(document, i);
    if (document) FPDF_CloseDocument(document);
    FPDF_DOCUMENT sound = FPDF_LoadMemDocument64(SoundDocument, sizeof SoundDocument - 1, NULL);
    if (!sound || FPDF_GetPageCount(sound) != 1) {
        fprintf(stderr, "fuzz_engine: the engine did not recover after this input\n");
        abort();
    }
    FPDF_CloseDocument(sound);
    return 0;
}
