// Printing: the print dialog, the page loop, and the two ways a page reaches
// the sheet (the PDF engine drawing on the printer's device context, or a
// comic image stretched onto it).
#include <windows.h>

#include "../app/Shell.h"
#include "../imaging/Decode.h"
#include "../view/Document.h"
#include "../view/Layout.h"
#include "../view/PageCache.h"
#include "Print.h"

typedef BOOL(WINAPI *PrintDlgWProc)(LPPRINTDLGW);

int PlacePageOnSheet(double pageWidth, double pageHeight, int horz, int vert, SheetPlacement *placement)
{
    if (horz <= 0 || vert <= 0) return 0;
    // Written so that NaN sizes fail too.
    if (!(pageWidth > 0 && pageHeight > 0)) return 0;
    int rotate = (pageWidth > pageHeight) != (horz > vert);
    double w = rotate ? pageHeight : pageWidth;
    double h = rotate ? pageWidth : pageHeight;
    // The side that limits the scale fills the area exactly: going through
    // a rounded scale factor can leave it a pixel short.
    double width = horz, height = vert;
    if (horz * h <= vert * w) {
        height = horz * h / w;
    } else {
        width = vert * w / h;
    }
    if (!(width >= 1 && height >= 1)) return 0;
    placement->width = (int)width;
    placement->height = (int)height;
    placement->x = (horz - placement->width) / 2;
    placement->y = (vert - placement->height) / 2;
    placement->rotate = rotate;
    return 1;
}

void TurnClockwise(const uint32_t *pixels, int width, int height, uint32_t *turned)
{
    // Source row r becomes destination column height - 1 - r.
    for (int r = 0; r < height; r++) {
        const uint32_t *row = pixels + (size_t)r * (size_t)width;
        uint32_t *column = turned + (size_t)(height - 1 - r);
        for (int c = 0; c < width; c++) column[(size_t)c * (size_t)height] = row[c];
    }
}

void PrintComicPage(HDC dc, int page, int x, int y, int width, int height, int rotate)
{
    int w = 0, h = 0;
    BYTE *pixels = DecodeImageForPrint(Document.comic, page, &w, &h);
    if (!pixels) return;
    if (rotate) {
        // Without room for the turned copy the page prints unturned.
        SIZE_T bytes = (SIZE_T)w * (SIZE_T)h * 4;
        BYTE *turned = (BYTE *)HeapAlloc(GetProcessHeap(), 0, bytes);
        if (turned) {
            TurnClockwise((const uint32_t *)pixels, w, h, (uint32_t *)turned);
            HeapFree(GetProcessHeap(), 0, pixels);
            pixels = turned;
            int swap = w;
            w = h;
            h = swap;
        }
    }
    BITMAPINFO bmi;
    DescribeTopDownBitmap(&bmi, w, h);
    // Halftone stretching needs the brush origin set after the mode.
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, NULL);
    StretchDIBits(dc, x, y, width, height, 0, 0, w, h, pixels, &bmi, DIB_RGB_COLORS, SRCCOPY);
    HeapFree(GetProcessHeap(), 0, pixels);
}

void PrintPageOnSheet(HDC dc, int page, int horz, int vert)
{
    SheetPlacement p;
    if (!PlacePageOnSheet(Document.pageWidths[page], Document.pageHeights[page], horz, vert, &p)) return;
    if (Document.pdf) {
        FPDF_PAGE pdfPage = GetPdfPage(page);
        if (pdfPage) FPDF_RenderPage(dc, pdfPage, p.x, p.y, p.width, p.height, p.rotate, FPDF_ANNOT | FPDF_PRINTING);
    } else if (Document.comic) {
        PrintComicPage(dc, page, p.x, p.y, p.width, p.height, p.rotate);
    }
}

void FillPrintDialog(PRINTDLGW *dialog, int pageCount)
{
    // No device mode or names: the dialog offers the default printer, and
    // nothing is remembered from one print command to the next.
    ZeroMemory(dialog, sizeof *dialog);
    dialog->lStructSize = sizeof *dialog;
    dialog->hwndOwner = MainWindow;
    dialog->Flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog->nFromPage = dialog->nMinPage = 1;
    dialog->nToPage = dialog->nMaxPage = (WORD)(pageCount < MAX_DIALOG_PAGE ? pageCount : MAX_DIALOG_PAGE);
}

void ChosenPages(const PRINTDLGW *dialog, int pageCount, int titlePage, int *first, int *end)
{
    int from = 1, to = pageCount;
    if (dialog->Flags & PD_PAGENUMS) {
        from = dialog->nFromPage;
        to = dialog->nToPage;
    }
    if (dialog->Flags & PD_CURRENTPAGE) from = to = titlePage + 1;
    *first = (from > 1 ? from : 1) - 1;
    *end = to < pageCount ? to : pageCount;
}

static void PrintPages(HDC dc, int first, int end)
{
    int horz = GetDeviceCaps(dc, HORZRES);
    int vert = GetDeviceCaps(dc, VERTRES);
    // Not restored here: the next mouse move brings the usual cursor back.
    SetCursor(LoadCursorW(NULL, IDC_WAIT));
    DOCINFOW job;
    ZeroMemory(&job, sizeof job);
    job.cbSize = sizeof job;
    job.lpszDocName = Document.fileName;
    if (StartDocW(dc, &job) <= 0) return;
    for (int i = first; i < end; i++) {
        // A failing page means the job was cancelled or the printer failed.
        if (StartPage(dc) <= 0) break;
        PrintPageOnSheet(dc, i, horz, vert);
        if (EndPage(dc) <= 0) break;
    }
    EndDoc(dc);
}

void PrintDocument(void)
{
    if (!IsDocumentOpen()) return;
    PrintDlgWProc printDialog = (PrintDlgWProc)(void *)GetProcFromLibrary("comdlg32", "PrintDlgW");
    if (!printDialog) return;
    PRINTDLGW dialog;
    FillPrintDialog(&dialog, Document.pageCount);
    if (!printDialog(&dialog)) return;
    if (dialog.hDC) {
        int first, end;
        ChosenPages(&dialog, Document.pageCount, ViewState.titlePage, &first, &end);
        PrintPages(dialog.hDC, first, end);
        DeleteDC(dialog.hDC);
    }
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
}
