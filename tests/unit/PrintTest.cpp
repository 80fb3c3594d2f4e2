// Printing arithmetic: the pages the dialog offers and the ones chosen in
// it, where a page lands on its sheet (turn, scale, centring, pages with no
// printable size) and the clockwise turn of a comic page's pixels. The
// end-to-end test prints all pages, a range, and landscape pages of a PDF
// and of a comic, turned, on portrait paper through a real queue.
#include "tests/unit/Support.h"

#include <math.h>

#include "print/Print.h"

namespace
{

std::string Describe(int placed, const SheetPlacement &p)
{
    char text[80] = "nothing";
    if (placed) snprintf(text, sizeof text, "%d,%d %dx%d%s", p.x, p.y, p.width, p.height, p.rotate ? " turned" : "");
    return text;
}

// The dialog's page fields hold 16 bits; a longer document still prints
// whole when all pages are chosen. Rows: page count, dialog flags, from, to,
// the page in the title, then the first page and the end chosen.
TEST(Print, ChoosesThePagesToPrint)
{
    const int rows[][7] = {{5, PD_CURRENTPAGE, 1, 5, 3, 3, 4},
                           {5, PD_PAGENUMS, 4, 9, 0, 3, 5},
                           {70000, 0, 1, 65535, 0, 0, 70000},
                           {70000, PD_PAGENUMS, 65000, 65535, 0, 64999, 65535}};
    for (auto &r : rows) {
        PRINTDLGW dialog;
        FillPrintDialog(&dialog, r[0]);
        EXPECT_EQ(dialog.nMaxPage, std::min(r[0], 65535));
        dialog.Flags |= r[1];
        dialog.nFromPage = (WORD)r[2], dialog.nToPage = (WORD)r[3];
        int first = -1, end = -1;
        ChosenPages(&dialog, r[0], r[4], &first, &end);
        EXPECT_EQ(std::make_pair(first, end), std::make_pair(r[5], r[6])) << r[0] << " pages: " << r[2] << "-" << r[3];
    }
}

// A4 is 595 x 842 points; 2329 x 3358 pixels is the printable area of A4
// paper at 300 dpi, and 3358 x 2329 that of landscape paper. A square page
// counts as portrait, and so does square paper; 2041 / 595 * 595 < 2041 in
// doubles. No size (the engine's answer for a damaged page), no finite
// size, a page thinner than a pixel and paper without a printable area
// leave the sheet blank.
TEST(Print, PlacesEachPageOnItsSheet)
{
    const struct {
        double pageWidth, pageHeight;
        int horz, vert;
        const char *placed;
    } cases[] = {{300, 300, 2329, 3358, "0,514 2329x2329"},       {595, 842, 3358, 2329, "31,0 3295x2329 turned"},
                 {842, 595, 3358, 2329, "31,0 3295x2329"},        {300, 300, 3358, 2329, "514,0 2329x2329 turned"},
                 {842, 595, 1000, 1000, "147,0 706x1000 turned"}, {595, 842, 2041, 3000, "0,56 2041x2888"}};
    SheetPlacement p;
    for (const auto &c : cases) {
        int placed = PlacePageOnSheet(c.pageWidth, c.pageHeight, c.horz, c.vert, &p);
        EXPECT_EQ(c.placed, Describe(placed, p)) << c.pageWidth << " x " << c.pageHeight << " on " << c.horz;
    }
    const double blank[][4] = {{0, 842, 2329, 3358},        {595, 0, 3358, 2329},    {NAN, 842, 2329, 3358},
                               {INFINITY, 842, 2329, 3358}, {1, 100000, 2329, 3358}, {595, 842, 0, 3358}};
    for (auto &b : blank) EXPECT_FALSE(PlacePageOnSheet(b[0], b[1], (int)b[2], (int)b[3], &p)) << b[0] << " x " << b[1];
}

TEST(Print, TurnsPixelsAQuarterTurnClockwise)
{
    const struct {
        int width, height;
        std::vector<uint32_t> pixels, turned;
    } cases[] = {
        {3, 2, {1, 2, 3, 4, 5, 6}, {4, 1, 5, 2, 6, 3}}, {1, 3, {1, 2, 3}, {3, 2, 1}}, {3, 1, {1, 2, 3}, {1, 2, 3}}};
    for (const auto &c : cases) {
        std::vector<uint32_t> turned(c.pixels.size(), 0);
        TurnClockwise(c.pixels.data(), c.width, c.height, turned.data());
        EXPECT_EQ(c.turned, turned) << c.width << " x " << c.height;
    }
}

} // namespace
