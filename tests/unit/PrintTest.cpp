// Printing arithmetic: the pages the dialog offers and the ones chosen in
// it, where a page lands on its sheet (turn, scale, centring, pages with no
// printable size) and the clockwise turn of a comic page's pixels.
#include "tests/unit/Support.h"

#include <math.h>

#include "print/Print.h"

namespace
{

std::string Describe(int placed, const SheetPlacement &p)
{
    if (!placed) return "blank";
    char text[80];
    snprintf(text, sizeof text, "%d,%d %dx%d%s", p.x, p.y, p.width, p.height, p.rotate ? " turned" : "");
    return text;
}

// The dialog's page fields hold 16 bits; a longer document still prints
// whole when all pages are chosen.
TEST(Print, ChoosesThePagesToPrint)
{
    struct {
        int pageCount;
        DWORD flags;
        WORD from, to;
        int titlePage, first, end;
    } cases[] = {
        {5, 0, 1, 5, 0, 0, 5},
        {5, PD_PAGENUMS, 2, 3, 0, 1, 3},
        {5, PD_CURRENTPAGE, 1, 5, 3, 3, 4},
        {5, PD_PAGENUMS, 4, 9, 0, 3, 5},
        {70000, 0, 1, 65535, 0, 0, 70000},
        {70000, PD_PAGENUMS, 65000, 65535, 0, 64999, 65535},
    };
    for (const auto &c : cases) {
        PRINTDLGW dialog;
        FillPrintDialog(&dialog, c.pageCount);
        EXPECT_EQ(c.pageCount < 65535 ? c.pageCount : 65535, dialog.nMaxPage);
        dialog.Flags |= c.flags;
        dialog.nFromPage = c.from;
        dialog.nToPage = c.to;
        int first = -1, end = -1;
        ChosenPages(&dialog, c.pageCount, c.titlePage, &first, &end);
        EXPECT_EQ(std::make_pair(c.first, c.end), std::make_pair(first, end))
            << c.pageCount << " pages, flags " << c.flags << ", " << c.from << " to " << c.to;
    }
}

// A4 is 595 x 842 points; 2329 x 3358 pixels is the printable area of A4
// paper at 300 dpi, and 3358 x 2329 that of landscape paper.
TEST(Print, PlacesEachPageOnItsSheet)
{
    struct {
        double pageWidth, pageHeight;
        int horz, vert;
        const char *placed;
    } cases[] = {
        {595, 842, 2329, 3358, "0,31 2329x3295"},
        {842, 595, 2329, 3358, "0,31 2329x3295 turned"},
        {300, 300, 2329, 3358, "0,514 2329x2329"},
        {595, 842, 3358, 2329, "31,0 3295x2329 turned"},
        {842, 595, 3358, 2329, "31,0 3295x2329"},
        {300, 300, 3358, 2329, "514,0 2329x2329 turned"}, // a square page counts as portrait
        {842, 595, 1000, 1000, "147,0 706x1000 turned"},  // and so does square paper
        {595, 842, 2041, 3000, "0,56 2041x2888"},         // 2041 / 595 * 595 < 2041 in doubles
        {0, 842, 2329, 3358, "blank"},                    // the engine's size for a damaged page
        {595, 0, 3358, 2329, "blank"},
        {NAN, 842, 2329, 3358, "blank"},
        {INFINITY, 842, 2329, 3358, "blank"},
        {1, 100000, 2329, 3358, "blank"}, // thinner than a pixel
        {595, 842, 0, 3358, "blank"},
    };
    for (const auto &c : cases) {
        SheetPlacement p;
        int placed = PlacePageOnSheet(c.pageWidth, c.pageHeight, c.horz, c.vert, &p);
        EXPECT_EQ(c.placed, Describe(placed, p))
            << c.pageWidth << " x " << c.pageHeight << " on " << c.horz << " x " << c.vert;
    }
}

TEST(Print, TurnsPixelsAQuarterTurnClockwise)
{
    struct {
        int width, height;
        std::vector<uint32_t> pixels, turned;
    } cases[] = {
        {3, 2, {1, 2, 3, 4, 5, 6}, {4, 1, 5, 2, 6, 3}},
        {1, 3, {1, 2, 3}, {3, 2, 1}},
        {3, 1, {1, 2, 3}, {1, 2, 3}},
    };
    for (const auto &c : cases) {
        std::vector<uint32_t> turned(c.pixels.size(), 0);
        TurnClockwise(c.pixels.data(), c.width, c.height, turned.data());
        EXPECT_EQ(c.turned, turned) << c.width << " x " << c.height;
    }
}

} // namespace
