// The thumbnail panel on the real windows (hidden), at the 96 DPI of the
// test prefix: miniature sizes, click zones, clamped scrolling, the column's
// 32-bit ceiling, the order of rendering around the view, the cap on live
// miniatures, and the progressive render giving way to input. The
// end-to-end test shows the panel filling in, following the page, jumping on
// a click and hiding on F4.
#include "tests/unit/Support.h"

#include <algorithm>

#include "thumbs/Thumbs.h"

namespace
{

// Opens a fixture in the program's (hidden) windows, the panel panelHeight
// pixels high unless 0.
void Open(const wchar_t *name, int panelHeight = 0)
{
    EnsureProgramWindows();
    OpenDocument(FixturePath(name).c_str());
    ASSERT_TRUE(ThumbsState.active);
    if (panelHeight) MoveWindow(ThumbsWindow, 0, 0, ThumbsPanelWidth(), panelHeight, FALSE);
}

// report.pdf: A4 miniatures 136 high, one every 164 pixels from 12; the
// column is 12 + 10 x 164 + 12 = 1664 high, 500 of them show at once.
// Broken page sizes still give a miniature (rows: width and height in
// points, then in pixels). At 100 times 96 DPI a tall miniature takes 22,000
// pixels with its gaps: 100,000 of them would overflow 32 bits, so the
// column stops at 2^30.
TEST(Thumbs, ColumnClicksScrollsAndSizesStayInBounds)
{
    Open(L"report.pdf", 500);
    const int zones[][2] = {{5, -1}, {6, 0}, {169, 0}, {170, 1}, {333, 1}, {334, 2}, {1645, 9}, {1646, -1}};
    ScrollThumbsTo(400);
    for (auto &zone : zones) EXPECT_EQ(ThumbAtClientY(zone[0] - 400), zone[1]) << zone[0];
    SendMessageW(ThumbsWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
    EXPECT_EQ(ThumbsState.scrollPos, 640) << "two notches down";
    SendMessageW(ThumbsWindow, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(ThumbsState.scrollPos, 1164);
    Open(L"landscape.pdf");
    ScrollThumbsTo(50);
    EXPECT_EQ(ThumbsState.scrollPos, 0) << "a column shorter than the panel";
    CloseDocument();

    const double sizes[][4] = {{0, 500, 96, 134}, {300, 0, 96, 1}, {1e-300, 1e300, 1, 192}};
    for (auto &r : sizes) {
        int w, h;
        ThumbSizeForPage(r[0], r[1], &w, &h);
        EXPECT_EQ(std::make_pair(w, h), std::make_pair((int)r[2], (int)r[3])) << r[0] << " x " << r[1];
    }
    int dpi = std::exchange(ScreenDpi, 9600);
    std::vector<double> widths(100000, 100), heights(100000, 400);
    ResetThumbs((FPDF_DOCUMENT)&dpi, NULL, 100000, widths.data(), heights.data());
    EXPECT_EQ(ThumbsState.count, 48806);
    FollowCurrentPage(60000);
    EXPECT_EQ(ThumbsState.highlight, -1) << "a page past the column is not framed";
    ResetThumbs(NULL, NULL, 0, NULL, NULL);
    ScreenDpi = dpi;
}

// long.pdf: 5000 pages of 200 x 100, miniatures 48 high, one every 76
// pixels. A panel 988 high scrolled to a page shows it and the 12 after:
// those are rendered first, then one below and one above, a screenful each
// way, skipping failed and pending pages. With nine miniatures too many
// held around pages 800 to 812, the farthest go, and at equal distances the
// lower page first (720 before 892). Wine keeps no GDI object counts: the
// bitmaps themselves are checked.
TEST(Thumbs, RendersFromTheViewOutwardAndTrimsTheFarthestFirst)
{
    Open(L"long.pdf", 988);
    for (int first : {800, 0}) {
        int last = first + 12;
        ScrollThumbsTo(ThumbsState.itemTop[first]);
        ThumbsState.slots[first + 1] = THUMB_FAILED;
        ThumbsState.slots[last + 2] = THUMB_PENDING;
        std::vector<int> expected, order;
        for (int i = first; i <= last; i++) expected.push_back(i);
        for (int d = 1; d <= 13; d++) expected.insert(expected.end(), {last + d, first - d});
        auto skipped = [&](int page) { return page < 0 || page == first + 1 || page == last + 2; };
        expected.erase(std::remove_if(expected.begin(), expected.end(), skipped), expected.end());
        for (int page; (page = NextThumbToRender()) >= 0 && order.size() < 100; order.push_back(page))
            ThumbsState.slots[page] = THUMB_FAILED;
        EXPECT_EQ(order, expected) << "scrolled to page " << first + 1;
    }

    ScrollThumbsTo(ThumbsState.itemTop[800]);
    std::vector<HBITMAP> made;
    for (int page = 716; page < 897; page++, ThumbsState.bitmapCount++) {
        if (page == 801) page = 813;
        made.push_back(CreateBitmap(2, 2, 1, 32, NULL));
        ThumbsState.slots[page] = (ThumbSlot)made.back();
    }
    auto live = [&] { return std::count_if(made.begin(), made.end(), [](HBITMAP b) { return GetObjectType(b); }); };
    TrimThumbCache();
    EXPECT_EQ(ThumbsState.bitmapCount, MAX_THUMB_BITMAPS);
    EXPECT_EQ(live(), MAX_THUMB_BITMAPS);
    for (int page : {720, 721, 892, 893}) EXPECT_EQ(!ThumbsState.slots[page], page == 720 || page == 893) << page;
    CloseDocument();
    EXPECT_EQ(live(), 0) << "a close deletes every miniature";
}

// dense.pdf is heavy enough for the progressive render to stop between
// its objects when a message waits.
TEST(Thumbs, PdfRenderGivesWayToInputAndWaitsWhileHidden)
{
    Open(L"dense.pdf");
    PostMessageW(MainWindow, WM_NULL, 0, 0);
    EXPECT_EQ(ThumbsIdleStep(), 1);
    EXPECT_EQ(ThumbRender.page, 0) << "paused, not finished";
    ToggleThumbs();
    EXPECT_EQ(ThumbsIdleStep(), 0);
    EXPECT_EQ(ThumbRender.page, 0) << "neither continued nor closed while hidden";
    ToggleThumbs();
    for (int i = 0; i < 1000 && ThumbsIdleStep() && ThumbsState.slots[0] == THUMB_EMPTY; i++) PumpMessages();
    EXPECT_GT(ThumbsState.slots[0], (ThumbSlot)THUMB_PENDING) << "resumed to the end";
    PostMessageW(MainWindow, WM_NULL, 0, 0);
    Open(L"dense.pdf");
    EXPECT_EQ(ThumbsIdleStep(), 1);
    EXPECT_EQ(ThumbRender.page, 0);
    CloseDocument();
    EXPECT_EQ(ThumbRender.page, -1) << "a close abandons the render";
}

} // namespace
