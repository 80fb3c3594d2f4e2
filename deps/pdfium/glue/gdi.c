/*
** gdi.c - FPDF_RenderPage: drawing a page onto a Windows device context.
**
** The WebAssembly engine can only render into its own bitmaps, so the page
** is rendered in horizontal bands of bounded size (an A4 page at 600 dpi
** would otherwise need a single 140 MB bitmap) and each band is copied to
** the device context with StretchDIBits, which printers, memory and
** metafile device contexts all accept.  Rotation and flags, FPDF_PRINTING
** included, are passed to the engine for every band.
*/
#ifdef _WIN32
#define FPDF_EXPORT __declspec(dllexport)
#include "Pdfium.h"

#include <windows.h>

/* Largest band the engine allocates, in bytes. */
#define BAND_BYTES (16 * 1024 * 1024)

/* Part of the box [start, start + size) on one axis that the device can
** show, given its clip span [low, high). */
static void ClipSpan(int start, int size, int low, int high, int *first, int *last)
{
    long long a = start, b = (long long)start + size;
    if (a < low) a = low;
    if (b > high) b = high;
    *first = (int)a;
    *last = (int)(b > a ? b : a);
}

FPDF_EXPORT void FPDF_CALLCONV FPDF_RenderPage(HDC dc, FPDF_PAGE page, int start_x, int start_y, int size_x, int size_y,
                                               int rotate, int flags)
{
    int left = start_x, right = start_x + size_x, top = start_y, bottom = start_y + size_y;
    RECT clip;
    if (!dc || !page || size_x <= 0 || size_y <= 0) return;
    /* Render only what the device can show; a metafile records everything. */
    if (GetDeviceCaps(dc, TECHNOLOGY) != DT_METAFILE && GetClipBox(dc, &clip) > NULLREGION) {
        ClipSpan(start_x, size_x, clip.left, clip.right, &left, &right);
        ClipSpan(start_y, size_y, clip.top, clip.bottom, &top, &bottom);
    }
    int width = right - left;
    if (width <= 0 || bottom <= top) return;
    int bandHeight = BAND_BYTES / (width * 4 > 0 ? width * 4 : 1);
    if (bandHeight < 1) bandHeight = 1;
    if (bandHeight > bottom - top) bandHeight = bottom - top;

    FPDF_BITMAP band = FPDFBitmap_Create(width, bandHeight, 0);
    if (!band) return;
    void *bits = FPDFBitmap_GetBuffer(band);
    int stride = FPDFBitmap_GetStride(band);
    if (!bits || stride != width * 4) {
        FPDFBitmap_Destroy(band);
        return;
    }
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    for (int y = top; y < bottom; y += bandHeight) {
        int rows = bottom - y < bandHeight ? bottom - y : bandHeight;
        /* White paper, then the page placed so that this band's rows land in
    ** the bitmap. */
        if (!FPDFBitmap_FillRect(band, 0, 0, width, rows, 0xFFFFFFFF)) break;
        FPDF_RenderPageBitmap(band, page, start_x - left, start_y - y, size_x, size_y, rotate, flags);
        info.bmiHeader.biHeight = -rows; /* top-down rows */
        StretchDIBits(dc, left, y, width, rows, 0, 0, width, rows, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    }
    FPDFBitmap_Destroy(band);
}
#endif
