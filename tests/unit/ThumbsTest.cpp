// The thumbnail panel on the real windows (hidden): miniature sizes, click
// zones, clamped scrolling, the order of rendering around the view, the cap
// on live miniatures, and the progressive render giving way to input.
#include "tests/unit/Support.h"

#include <algorithm>

#include "thumbs/Thumbs.h"

namespace
{

class Thumbs : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureProgramWindows();
        if (ScreenDpi != 96) GTEST_SKIP() << "the expected sizes are those of 96 DPI";
    }
    void TearDown() override
    {
        CloseDocument();
        PumpMessages();
    }
    void Open(const wchar_t *name, int panelHeight = 0)
    {
        OpenDocument(FixturePath(name).c_str());
        ASSERT_TRUE(ThumbsState.active);
        if (panelHeight) MoveWindow(ThumbsWindow, 0, 0, ThumbsPanelWidth(), panelHeight, FALSE);
    }
};

TEST_F(Thumbs, SizeKeepsThePageShapeInsideTheColumn)
{
    struct {
        double width, height;
        int w, h;
    } rows[] = {{0, 500, 96, 134},  {595, 842, 96, 136}, {100, 400, 48, 192},
                {842, 595, 96, 68}, {300, 0, 96, 1},     {1e-300, 1e300, 1, 192}};
    for (auto &row : rows) {
        int w, h;
        ThumbSizeForPage(row.width, row.height, &w, &h);
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(row.w, row.h)) << row.width << " x " << row.height;
    }
}

// report.pdf: A4 miniatures 136 high, one every 164 pixels from 12.
TEST_F(Thumbs, ClickZonesTouchAndScrollingStaysInTheColumn)
{
    Open(L"report.pdf", 500);
    struct {
        int contentY, page;
    } zones[] = {{5, -1}, {6, 0}, {169, 0}, {170, 1}, {333, 1}, {334, 2}, {1645, 9}, {1646, -1}};
    ScrollThumbsTo(400);
    for (auto &zone : zones) EXPECT_EQ(ThumbAtClientY(zone.contentY - 400), zone.page) << zone.contentY;
    // The column is 12 + 10 x 164 + 12 = 1664 high; 500 show at once.
    struct {
        UINT message;
        WPARAM wParam;
        int from, to;
    } scrolls[] = {{WM_VSCROLL, SB_BOTTOM, 0, 1164},
                   {WM_VSCROLL, SB_LINEDOWN, 1150, 1164},
                   {WM_VSCROLL, SB_PAGEUP, 400, 0},
                   {WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 100, 340},
                   {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 50, 0}};
    for (auto &s : scrolls) {
        ScrollThumbsTo(s.from);
        SendMessageW(ThumbsWindow, s.message, s.wParam, 0);
        EXPECT_EQ(ThumbsState.scrollPos, s.to) << s.message << " " << s.wParam << " from " << s.from;
    }
    Open(L"landscape.pdf");
    ScrollThumbsTo(50);
    EXPECT_EQ(ThumbsState.scrollPos, 0) << "a column shorter than the panel";
}

// At 100 times 96 DPI a tall miniature takes 22,000 pixels with its gaps:
// 100,000 of them would overflow 32 bits, so the column stops at 2^30.
TEST_F(Thumbs, ColumnStopsBeforeItsPositionsOverflow)
{
    int dpi = ScreenDpi;
    ScreenDpi = 9600;
    std::vector<double> widths(100000, 100), heights(100000, 400);
    ResetThumbs((FPDF_DOCUMENT)&dpi, NULL, 100000, widths.data(), heights.data());
    EXPECT_EQ(ThumbsState.count, 48806);
    EXPECT_EQ(ThumbsState.itemTop[48805], 1200 + 48805 * 22000);
    EXPECT_EQ(ThumbsState.contentHeight, 1200 + 48806 * 22000 + 1200);
    FollowCurrentPage(60000);
    EXPECT_EQ(ThumbsState.highlight, -1) << "a page past the column is not framed";
    ResetThumbs(NULL, NULL, 0, NULL, NULL);
    ScreenDpi = dpi;
}

// long.pdf: 5000 pages of 200 x 100, miniatures 48 high, one every 76
// pixels. A panel 988 high scrolled to page 801 shows pages 801 to 813.
TEST_F(Thumbs, RendersTheVisiblePagesThenOutwardAScreenfulEachWay)
{
    Open(L"long.pdf", 988);
    struct {
        int first, last;
    } rows[] = {{800, 812}, {0, 12}};
    for (auto &row : rows) {
        ScrollThumbsTo(ThumbsState.itemTop[row.first]);
        std::vector<int> expected;
        for (int i = row.first; i <= row.last; i++) expected.push_back(i);
        for (int d = 1; d <= 13; d++) {
            expected.push_back(row.last + d);
            if (row.first - d >= 0) expected.push_back(row.first - d);
        }
        // Failed and pending pages are skipped.
        ThumbsState.slots[row.first + 1] = THUMB_FAILED;
        ThumbsState.slots[row.last + 2] = THUMB_PENDING;
        expected.erase(std::find(expected.begin(), expected.end(), row.first + 1));
        expected.erase(std::find(expected.begin(), expected.end(), row.last + 2));
        std::vector<int> order;
        for (int page; (page = NextThumbToRender()) >= 0 && order.size() < 100; order.push_back(page)) {
            ThumbsState.slots[page] = THUMB_FAILED;
        }
        EXPECT_EQ(order, expected) << "scrolled to page " << row.first + 1;
    }
}

TEST_F(Thumbs, TrimmingDropsTheFarthestMiniaturesFirst)
{
    struct {
        std::vector<std::pair<int, int>> held, dropped; // page ranges [from, to)
    } rows[] = {{{{640, 810}}, {{640, 650}}},
                // Equal distances above and below: the lower page goes first.
                {{{716, 801}, {813, 897}}, {{716, 721}, {893, 897}}}};
    // Wine keeps no GDI object counts: the bitmaps themselves are checked.
    auto live = [](const std::vector<HBITMAP> &made) {
        return std::count_if(made.begin(), made.end(), [](HBITMAP b) { return GetObjectType(b) != 0; });
    };
    for (auto &row : rows) {
        Open(L"long.pdf", 988);
        ScrollThumbsTo(ThumbsState.itemTop[800]);
        std::vector<HBITMAP> made;
        for (auto &range : row.held) {
            for (int page = range.first; page < range.second; page++, ThumbsState.bitmapCount++) {
                void *bits;
                made.push_back(CreateDib32(2, 2, &bits));
                ThumbsState.slots[page] = (ThumbSlot)made.back();
            }
        }
        TrimThumbCache();
        EXPECT_EQ(ThumbsState.bitmapCount, MAX_THUMB_BITMAPS);
        EXPECT_EQ(live(made), MAX_THUMB_BITMAPS);
        for (auto &range : row.dropped) {
            for (int page = range.first; page < range.second; page++) EXPECT_EQ(ThumbsState.slots[page], 0u) << page;
        }
        CloseDocument();
        EXPECT_EQ(live(made), 0) << "a close deletes every miniature";
    }
}

// dense.pdf is heavy enough for the progressive render to stop between
// its objects when a message waits.
TEST_F(Thumbs, PdfRenderGivesWayToInputAndWaitsWhileHidden)
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
