// Miniatures made in idle time, nearest to the panel's view first. A PDF
// page is rendered on the UI thread by the engine's progressive renderer,
// which stops as soon as anything is queued and is resumed on the next idle
// call; a comic page is decoded by the decode worker straight into the bits
// of its DIB section.
#include <windows.h>

#include "../app/Shell.h"
#include "../imaging/PageImages.h"
#include "Thumbs.h"

ThumbRenderRecord ThumbRender = {-1, 0, 0, NULL, NULL, {1, PauseIfInputPending, NULL}};

FPDF_BOOL PauseIfInputPending(IFSDK_PAUSE *pause)
{
    (void)pause;
    return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0;
}

// A top-down 32-bit DIB section of w x h pixels, the layout of the engine's
// bitmaps and of decoded comic pages.
static HBITMAP CreateThumbDib(int w, int h, void **bits)
{
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof bmi);
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    *bits = NULL;
    HBITMAP dib = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, bits, NULL, 0);
    if (dib && !*bits) {
        DeleteObject(dib);
        return NULL;
    }
    return dib;
}

HBITMAP DibFromPdfBitmap(FPDF_BITMAP bitmap, int width, int height)
{
    void *bits;
    HBITMAP dib = CreateThumbDib(width, height, &bits);
    const BYTE *source = (const BYTE *)FPDFBitmap_GetBuffer(bitmap);
    int stride = FPDFBitmap_GetStride(bitmap);
    if (!dib || !source) return dib;
    SIZE_T rowBytes = (SIZE_T)width * 4;
    for (int row = 0; row < height; row++) {
        CopyMemory((BYTE *)bits + row * rowBytes, source + (SIZE_T)row * stride, rowBytes);
    }
    return dib;
}

static int IsThumbVisible(int page)
{
    int first, last;
    VisibleThumbRange(&first, &last);
    return page >= first && page <= last;
}

// A new miniature: counted, shown if on screen, and the farthest one
// dropped when there are too many.
static void StoreThumb(int page, HBITMAP bitmap)
{
    if (bitmap) {
        ThumbsState.slots[page] = (ThumbSlot)bitmap;
        ThumbsState.bitmapCount++;
    } else {
        ThumbsState.slots[page] = THUMB_FAILED;
    }
    if (IsThumbVisible(page) && ThumbsWindow) InvalidateRect(ThumbsWindow, NULL, FALSE);
    TrimThumbCache();
}

static void EndThumbRender(void)
{
    FPDF_RenderPage_Close(ThumbRender.pdfPage);
    FPDF_ClosePage(ThumbRender.pdfPage);
    FPDFBitmap_Destroy(ThumbRender.bitmap);
    ThumbRender.pdfPage = NULL;
    ThumbRender.bitmap = NULL;
    ThumbRender.page = -1;
}

void AbandonThumbRender(void)
{
    if (ThumbRender.page >= 0) EndThumbRender();
}

// Loads the page and starts its render onto white; the engine's status,
// or FPDF_RENDER_FAILED when the page or its bitmap cannot be had.
static int StartPdfThumb(int page)
{
    FPDF_PAGE pdfPage = FPDF_LoadPage(ThumbsState.pdf, page);
    if (!pdfPage) return FPDF_RENDER_FAILED;
    int w, h;
    ThumbSize(page, &w, &h);
    FPDF_BITMAP bitmap = FPDFBitmap_Create(w, h, 0);
    if (!bitmap) {
        FPDF_ClosePage(pdfPage);
        return FPDF_RENDER_FAILED;
    }
    FPDFBitmap_FillRect(bitmap, 0, 0, w, h, 0xFFFFFFFF);
    ThumbRender.page = page;
    ThumbRender.width = w;
    ThumbRender.height = h;
    ThumbRender.pdfPage = pdfPage;
    ThumbRender.bitmap = bitmap;
    return FPDF_RenderPageBitmap_Start(bitmap, pdfPage, 0, 0, w, h, 0, FPDF_ANNOT, &ThumbRender.pause);
}

// Milliseconds until the user's input has paused for THUMB_INPUT_LULL.
static DWORD InputLullRemaining(void)
{
    DWORD since = GetTickCount() - LastInputTime;
    return since < THUMB_INPUT_LULL ? THUMB_INPUT_LULL - since : 0;
}

// Loading a page cannot be interrupted, and a heavy one takes many
// milliseconds: a key pressed meanwhile would wait for it. So a new page is
// started only in a lull of the user's input; the render itself yields at
// once and goes on whenever the queue is empty.
static int PdfThumbStep(void)
{
    int status;
    if (ThumbRender.page < 0) {
        DWORD lull = InputLullRemaining();
        if (lull) {
            if (ThumbsWindow) SetTimer(ThumbsWindow, THUMB_LULL_TIMER, lull, NULL);
            return 0;
        }
        int page = NextThumbToRender();
        if (page < 0) return 0;
        status = StartPdfThumb(page);
        if (ThumbRender.page < 0) {
            ThumbsState.slots[page] = THUMB_FAILED;
            return 1;
        }
    } else {
        status = FPDF_RenderPage_Continue(ThumbRender.pdfPage, &ThumbRender.pause);
    }
    // Paused for input: the loop serves it and calls again.
    if (status == FPDF_RENDER_TOBECONTINUED) return 1;
    int page = ThumbRender.page;
    HBITMAP dib = NULL;
    if (status == FPDF_RENDER_DONE) dib = DibFromPdfBitmap(ThumbRender.bitmap, ThumbRender.width, ThumbRender.height);
    EndThumbRender();
    StoreThumb(page, dib);
    return 1;
}

// Hidden panels render nothing: a render in progress waits, untouched,
// until the panel is shown again or the document changes.
int ThumbsIdleStep(void)
{
    if (!ThumbsState.active || !ThumbsState.shown) return 0;
    if (ThumbsState.comic) return ComicThumbStep();
    return PdfThumbStep();
}

// Page prefetch has the worker first; a thumbnail job waits for it to be
// free, and the worker's result wakes the loop again.
int ComicThumbStep(void)
{
    if (IsDecodeBusy()) return 0;
    int page = NextThumbToRender();
    if (page < 0) return 0;
    int w, h;
    ThumbSize(page, &w, &h);
    void *bits;
    HBITMAP dib = CreateThumbDib(w, h, &bits);
    if (!dib) {
        ThumbsState.slots[page] = THUMB_FAILED;
        return 1;
    }
    if (SubmitDecodeRequest(ThumbsState.comic, page, w, h, 0, (BYTE *)bits, dib)) {
        ThumbsState.slots[page] = THUMB_PENDING;
    } else {
        DeleteObject(dib);
    }
    return 0;
}

void OnThumbDecoded(int page, HBITMAP bitmap, int succeeded)
{
    // A reset since the job left means the slot is no longer waiting for it.
    if (!ThumbsState.active || page < 0 || page >= ThumbsState.count || ThumbsState.slots[page] != THUMB_PENDING) {
        DeleteObject(bitmap);
        return;
    }
    if (!succeeded) {
        DeleteObject(bitmap);
        bitmap = NULL;
    }
    StoreThumb(page, bitmap);
}

static int IsEmptyThumb(int page)
{
    return ThumbsState.slots[page] == THUMB_EMPTY;
}

int NextThumbToRender(void)
{
    int first, last;
    VisibleThumbRange(&first, &last);
    for (int i = first; i <= last; i++) {
        if (IsEmptyThumb(i)) return i;
    }
    int span = last - first + 1;
    if (span < 1) return -1;
    for (int d = 1; d <= span; d++) {
        if (last + d < ThumbsState.count && IsEmptyThumb(last + d)) return last + d;
        if (first - d >= 0 && IsEmptyThumb(first - d)) return first - d;
    }
    return -1;
}

void TrimThumbCache(void)
{
    int first, last;
    VisibleThumbRange(&first, &last);
    while (ThumbsState.bitmapCount > MAX_THUMB_BITMAPS) {
        int victim = -1;
        int farthest = -1;
        for (int i = 0; i < ThumbsState.count; i++) {
            if (ThumbsState.slots[i] <= THUMB_PENDING) continue;
            int distance = i < first ? first - i : i > last ? i - last : 0;
            // Strictly farther: on a tie the lower page stays the victim.
            if (distance > farthest) {
                farthest = distance;
                victim = i;
            }
        }
        if (victim < 0) return;
        DeleteObject((HBITMAP)ThumbsState.slots[victim]);
        ThumbsState.slots[victim] = THUMB_EMPTY;
        ThumbsState.bitmapCount--;
    }
}
