// Printing through the system print dialog: one sheet per page, each page
// as large as the printable area allows, centred, and turned a quarter turn
// when its orientation differs from the paper's.
#ifndef FOLIVEX_PRINT_H
#define FOLIVEX_PRINT_H

#include <windows.h>
#include <commdlg.h>
#include <stdint.h>

// The print dialog's page fields are 16 bits wide.
#define MAX_DIALOG_PAGE 65535

// Where a page lands on its sheet, in printer pixels.
struct SheetPlacement {
    int x;
    int y;
    int width;
    int height;
    int rotate; // 1: a quarter turn clockwise
};

// Places a page of pageWidth x pageHeight points on a printable area of
// horz x vert pixels: turned when one is landscape and the other not (a
// square counts as portrait), scaled to fit, centred. Returns 0, leaving
// the sheet blank, when nothing of the page would show: a size of 0 (the
// engine's answer for a damaged page) or a page thinner than a pixel.
int PlacePageOnSheet(double pageWidth, double pageHeight, int horz, int vert, SheetPlacement *placement);

// Turns a width x height image of 32-bit pixels a quarter turn clockwise
// into turned, which is height pixels wide and width high: the same sense
// as the PDF engine's rotation 1.
void TurnClockwise(const uint32_t *pixels, int width, int height, uint32_t *turned);

// The print dialog's record for a document of pageCount pages: the default
// printer, all pages offered, the page fields clamped to their 16 bits.
void FillPrintDialog(PRINTDLGW *dialog, int pageCount);

// The pages the user chose in the dialog, as 0-based indices [first, end)
// within the document: all of them, the range typed in, or the page shown
// in the title. An empty range when nothing is left to print.
void ChosenPages(const PRINTDLGW *dialog, int pageCount, int titlePage, int *first, int *end);

// Ctrl+P: shows the print dialog for the open document and prints the
// chosen pages. Does nothing when no document is open.
void PrintDocument(void);

// Prints one page of the open document on a sheet the printer has started,
// whose printable area is horz x vert pixels.
void PrintPageOnSheet(HDC dc, int page, int horz, int vert);

// Draws a comic page into a box of a printer's device context, turned
// clockwise first when rotate is set. A page that cannot be decoded leaves
// the box blank.
void PrintComicPage(HDC dc, int page, int x, int y, int width, int height, int rotate);

#endif
