// Document open and close. The file is mapped read-only, never copied: the
// PDF engine reads from the mapping for as long as the document is open.
#include <windows.h>

#include "../app/Shell.h"
#include "Document.h"
#include "Layout.h"
#include "PageCache.h"
#include "ViewHooks.h"

DocumentRecord Document;

void (*OpenErrorHook)(int error);

int IsDocumentOpen(void)
{
    return Document.pdf != NULL || Document.comic != NULL;
}

const wchar_t *OpenErrorMessage(int error)
{
    switch (error) {
    case OPEN_ERROR_NO_IMAGE:
        return Text(L"Cette archive ne contient aucune image.", L"This archive contains no image.");
    case OPEN_ERROR_PASSWORD:
        return Text(L"Document prot\u00e9g\u00e9 par mot de passe.", L"Password-protected document.");
    case OPEN_ERROR_NO_UNRAR:
        return Text(L"Lecture des archives RAR impossible : unrar.dll manque \u00e0 c\u00f4t\u00e9 de Folivex.exe.",
                    L"Cannot read RAR archives: unrar.dll is missing next to Folivex.exe.");
    case OPEN_ERROR_DAMAGED:
        return Text(L"Archive illisible ou endommag\u00e9e.", L"Unreadable or damaged archive.");
    }
    return Text(L"Impossible d'ouvrir ce fichier.", L"Cannot open this file.");
}

// A document being opened, held apart from the open one until it has fully
// loaded, so that any failure leaves the current document untouched.
struct PendingDocument {
    HANDLE mapping;
    const unsigned char *view;
    FPDF_DOCUMENT pdf;
    ComicBook *comic;
    int pageCount;
    void *pageBlock;
};

// Releases whatever a failed open had acquired, newest first.
static void DiscardPending(PendingDocument *pending)
{
    if (pending->pageBlock) HeapFree(GetProcessHeap(), 0, pending->pageBlock);
    if (pending->pdf) FPDF_CloseDocument(pending->pdf);
    if (pending->comic) FreeComicBook(pending->comic);
    if (pending->view) UnmapViewOfFile(pending->view);
    if (pending->mapping) CloseHandle(pending->mapping);
}

// Maps the whole file read-only. An empty file cannot be mapped and fails
// here. The file handle is closed at once: the mapping keeps the file open.
static int MapDocumentFile(const wchar_t *path, PendingDocument *pending, ULONGLONG *size)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER fileSize;
    fileSize.QuadPart = 0;
    GetFileSizeEx(file, &fileSize);
    *size = (ULONGLONG)fileSize.QuadPart;
    pending->mapping = CreateFileMappingW(file, NULL, PAGE_READONLY, 0, 0, NULL);
    CloseHandle(file);
    if (!pending->mapping) return 0;
    pending->view = (const unsigned char *)MapViewOfFile(pending->mapping, FILE_MAP_READ, 0, 0, 0);
    return pending->view != NULL;
}

// Builds the comic book of a mapped archive; its entries keep pointing
// into the mapping. Listing and measuring a large archive takes a moment,
// hence the wait cursor (the next cursor update replaces it).
static int LoadComic(PendingDocument *pending, int kind, const wchar_t *path, ULONGLONG size, int *error)
{
    SetCursor(LoadCursorW(NULL, IDC_WAIT));
    int comicError = OPEN_ERROR_GENERIC;
    pending->comic = OpenComicBook(kind, path, pending->view, size, &comicError);
    if (!pending->comic) {
        *error = comicError;
        return 0;
    }
    pending->pageCount = pending->comic->entryCount;
    return 1;
}

// Loads the PDF from the mapping; no password is ever supplied, so a
// document that needs one is refused with its own error.
static int LoadPdf(PendingDocument *pending, ULONGLONG size, int *error)
{
    pending->pdf = FPDF_LoadMemDocument64(pending->view, (size_t)size, NULL);
    if (!pending->pdf) {
        *error = FPDF_GetLastError() == FPDF_ERR_PASSWORD ? OPEN_ERROR_PASSWORD : OPEN_ERROR_GENERIC;
        return 0;
    }
    pending->pageCount = FPDF_GetPageCount(pending->pdf);
    return 1;
}

// A page size the layout can work with: a damaged page box that gives a
// negative, infinite or undefined size counts as an empty page.
static double SanePageLength(double points)
{
    return points >= 0.0 && points < 1e9 ? points : 0.0;
}

// The size of the block holding the four page arrays (two doubles and two
// ints per page). Computed in 64 bits after the count has been checked, so
// an absurd page count fails the open instead of wrapping around.
int PageArrayBytes(int pageCount, SIZE_T *bytes)
{
    if (pageCount < 0 || pageCount > MAX_PAGE_COUNT) return 0;
    *bytes = (SIZE_T)pageCount * 24 + 1;
    return 1;
}

// Allocates the page arrays and reads every page size up front, so that
// layout never has to ask the engine.
static int ReadPageSizes(PendingDocument *pending)
{
    int count = pending->pageCount;
    SIZE_T bytes = 0;
    if (!PageArrayBytes(count, &bytes)) return 0;
    pending->pageBlock = HeapAlloc(GetProcessHeap(), 0, bytes);
    if (!pending->pageBlock) return 0;
    double *widths = (double *)pending->pageBlock;
    double *heights = widths + count;
    for (int i = 0; i < count; i++) {
        double w = 0.0;
        double h = 0.0;
        if (pending->comic) {
            GetComicPageSize(pending->comic, i, &w, &h);
        } else {
            FPDF_GetPageSizeByIndex(pending->pdf, i, &w, &h);
        }
        widths[i] = SanePageLength(w);
        heights[i] = SanePageLength(h);
    }
    return 1;
}

// Takes over a fully loaded document as the open one.
static void AdoptPending(const PendingDocument *pending, const wchar_t *path)
{
    Document.pdf = pending->pdf;
    Document.comic = pending->comic;
    Document.mapping = pending->mapping;
    Document.mappedView = pending->view;
    Document.pageCount = pending->pageCount;
    Document.pageWidths = (double *)pending->pageBlock;
    Document.pageHeights = Document.pageWidths + pending->pageCount;
    Document.pageY = (int *)(Document.pageHeights + pending->pageCount);
    Document.pageX = Document.pageY + pending->pageCount;

    lstrcpynW(Document.path, path, LONGEST_PATH_UNITS);
    Document.fileName = Document.path;
    for (wchar_t *c = Document.path; *c; c++) {
        if (*c == L'\\' || *c == L'/') Document.fileName = c + 1;
    }
}

static void ReportOpenError(int error)
{
    if (OpenErrorHook) {
        OpenErrorHook(error);
        return;
    }
    MessageBoxW(MainWindow, OpenErrorMessage(error), L"Folivex", MB_ICONERROR);
}

// A hostile PDF can exhaust the engine, which then answers nothing, not
// even its page count, and starts afresh only once no document depends on
// it: a document it lost is closed before the next one loads.
static void CloseLostDocument(void)
{
    if (!Document.pdf || FPDF_GetPageCount(Document.pdf) == Document.pageCount) return;
    CloseDocument();
    if (MainWindow) RelayoutMainWindow();
    LayoutPages(0, 0);
}

// Showing a new document moves the panel and the view and sets their
// scroll bars and the title, and each of these redraws at once on a window
// that is on screen (some 40 ms for a document under Wine's themed
// controls). With the main window's redraw held across the change, the
// window is drawn once, when the message loop next runs.
static void HoldMainWindowRedraw(void)
{
    if (MainWindow) SendMessageW(MainWindow, WM_SETREDRAW, FALSE, 0);
}

static void RedrawMainWindowOnce(void)
{
    if (!MainWindow) return;
    SendMessageW(MainWindow, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(MainWindow, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The previous document is closed only once the new one has loaded, so a
// failure at any step leaves it open, scrolled and titled as before.
void OpenDocument(const wchar_t *path)
{
    CloseLostDocument();
    PendingDocument pending;
    ZeroMemory(&pending, sizeof pending);
    ULONGLONG size = 0;
    int error = OPEN_ERROR_GENERIC;
    int loaded = MapDocumentFile(path, &pending, &size);
    if (loaded) {
        // Archives are recognised by their signature whatever the file's
        // extension; anything else goes to the PDF engine.
        int kind = DetectArchiveKind(pending.view, size);
        loaded = kind ? LoadComic(&pending, kind, path, size, &error) : LoadPdf(&pending, size, &error);
    }
    if (!loaded || !ReadPageSizes(&pending)) {
        DiscardPending(&pending);
        ReportOpenError(error);
        return;
    }

    CloseDocument();
    AdoptPending(&pending, path);

    // A new document always opens fitted to the width, at the top; the zoom
    // and the spread choices carry over.
    ViewState.layoutWidth = 0;
    ViewState.layoutHeight = 0;
    ViewState.scrollX = 0;
    ViewState.scrollY = 0;
    ViewState.fitWidth = 1;
    HoldMainWindowRedraw();
    if (ViewHooks.documentChanged) ViewHooks.documentChanged(&Document);
    if (MainWindow) RelayoutMainWindow();
    LayoutPages(0, 0);
    RedrawMainWindowOnce();
}

// Pages go before their document, and the document before the mapping it
// reads from.
void CloseDocument(void)
{
    if (ViewHooks.documentChanged) ViewHooks.documentChanged(NULL);
    EmptyPageCache();
    if (Document.pdf) {
        FPDF_CloseDocument(Document.pdf);
        Document.pdf = NULL;
    }
    if (Document.comic) {
        FreeComicBook(Document.comic);
        Document.comic = NULL;
    }
    if (Document.mappedView) {
        UnmapViewOfFile(Document.mappedView);
        Document.mappedView = NULL;
    }
    if (Document.mapping) {
        CloseHandle(Document.mapping);
        Document.mapping = NULL;
    }
    if (Document.pageWidths) {
        HeapFree(GetProcessHeap(), 0, Document.pageWidths);
        Document.pageWidths = NULL;
        Document.pageHeights = NULL;
        Document.pageY = NULL;
        Document.pageX = NULL;
    }
    Document.pageCount = 0;
}
