// Links: which page a point of the view falls in (centring, gaps, edges,
// spreads, scrolling), the link found under a point of a real page, which
// addresses are followed (schemes in any case, other schemes, relative
// addresses, the 2047/2048-byte limit, UTF-8), the hand cursor and clicks.
//
// links.pdf page 1 has 300 x 20 pt link boxes at x = 72, bottom at
// y = 700 - 40 i: the seven URIs below, then a jump to page 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/SearchTestSupport.h"
#include "view/PageCache.h"

using namespace searchtest;

namespace {

// --- Page hit test on synthetic pages -------------------------------------

// Pages of given sizes at given strip positions, no engine behind them.
class PageHit : public ::testing::Test {
protected:
    DocumentRecord savedDocument;
    ViewStateRecord savedView;
    std::vector<double> widths, heights;
    std::vector<int> xs, ys;

    void SetUp() override
    {
        EnsureWindows();
        savedDocument = Document;
        savedView = ViewState;
    }
    void TearDown() override
    {
        Document = savedDocument;
        ViewState = savedView;
    }
    void Pages(const std::vector<double> &w, const std::vector<double> &h, const std::vector<int> &x,
               const std::vector<int> &y)
    {
        widths = w;
        heights = h;
        xs = x;
        ys = y;
        Document.pdf = (FPDF_DOCUMENT)(void *)&savedDocument;  // "a PDF is open"; never handed to the engine
        Document.comic = NULL;
        Document.pageCount = (int)w.size();
        Document.pageWidths = widths.data();
        Document.pageHeights = heights.data();
        Document.pageX = xs.data();
        Document.pageY = ys.data();
    }
    int At(int x, int y)
    {
        int left = -1, top = -1, w = -1, h = -1;
        return PageAtClientPoint(x, y, &left, &top, &w, &h);
    }
};

TEST_F(PageHit, CentredPagesWithRightAndBottomEdgesOutside)
{
    // Two 100 x 200 pages at zoom 1 in a strip 116 wide, centred in a view
    // 300 wide: offset (300 - 116) / 2 = 92, so the pages start at x = 100.
    Pages({100, 100}, {200, 200}, {8, 8}, {8, 216});
    ViewState.zoom = 1.0;
    ViewState.layoutWidth = 116;
    ViewState.viewWidth = 300;
    ViewState.scrollX = 0;
    ViewState.scrollY = 0;
    EXPECT_EQ(At(100, 8), 0);
    EXPECT_EQ(At(99, 8), -1);
    EXPECT_EQ(At(199, 207), 0);
    EXPECT_EQ(At(200, 100), -1) << "right edge pixel";
    EXPECT_EQ(At(150, 208), -1) << "bottom edge pixel";
    EXPECT_EQ(At(150, 215), -1) << "gap between pages";
    EXPECT_EQ(At(150, 216), 1);
    EXPECT_EQ(At(150, 7), -1) << "margin above the first page";
    EXPECT_EQ(At(150, 5000), -1) << "below the last page";
    int left, top, w, h;
    EXPECT_EQ(PageAtClientPoint(150, 300, &left, &top, &w, &h), 1);
    EXPECT_EQ(left, 100);
    EXPECT_EQ(top, 216);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 200);
}

TEST_F(PageHit, ScrolledPagesAndRounding)
{
    // Zoom 1.5: 99.7 points is 149.55 + 0.5 -> 150 pixels wide.
    Pages({99.7, 99.7}, {100, 100}, {8, 8}, {8, 166});
    ViewState.zoom = 1.5;
    ViewState.layoutWidth = 166;
    ViewState.viewWidth = 100;  // narrower than the strip: no centring
    ViewState.scrollX = 20;
    ViewState.scrollY = 100;
    // Page 0 spans client x -12 .. 137, y -92 .. 57: partly above the view.
    EXPECT_EQ(At(0, 0), 0);
    EXPECT_EQ(At(137, 57), 0);
    EXPECT_EQ(At(138, 0), -1);
    EXPECT_EQ(At(0, 58), -1);
    EXPECT_EQ(At(0, 66), 1);
}

TEST_F(PageHit, TheHorizontalTestPicksThePageOfASpread)
{
    // A spread row: left page at x 8, right page at x 112, same top.
    Pages({100, 100, 100}, {100, 100, 100}, {8, 112, 8}, {8, 8, 116});
    ViewState.zoom = 1.0;
    ViewState.layoutWidth = 220;
    ViewState.viewWidth = 220;
    ViewState.scrollX = 0;
    ViewState.scrollY = 0;
    EXPECT_EQ(At(8, 50), 0);
    EXPECT_EQ(At(107, 50), 0);
    EXPECT_EQ(At(110, 50), -1) << "gap between the pages of the spread";
    EXPECT_EQ(At(112, 50), 1);
    EXPECT_EQ(At(211, 107), 1);
    EXPECT_EQ(At(50, 120), 2);
    EXPECT_EQ(At(150, 120), -1) << "a last page alone on the left";
}

TEST_F(PageHit, NoPdfOrNoPagesMeansNoPage)
{
    Pages({100}, {100}, {8}, {8});
    ViewState.zoom = 1.0;
    ViewState.layoutWidth = 116;
    ViewState.viewWidth = 116;
    ViewState.scrollX = 0;
    ViewState.scrollY = 0;
    EXPECT_EQ(At(50, 50), 0);
    Document.pageCount = 0;
    EXPECT_EQ(At(50, 50), -1);
    Document.pageCount = 1;
    Document.pdf = NULL;
    EXPECT_EQ(At(50, 50), -1);
    EXPECT_EQ(LinkAtPoint(50, 50), nullptr);
}

// --- The scheme filter ------------------------------------------------------

TEST(LinkScheme, WebAndMailSchemesInAnyCase)
{
    const char *followed[] = {"http://example.com", "https://example.com", "mailto:a@example.com",
                              "HTTP://EXAMPLE.COM", "HTTPS://x",           "MAILTO:a",
                              "hTtP://x",           "HtTpS://x",           "mAiLtO:x",
                              "http://",            "mailto:"};
    for (const char *uri : followed) EXPECT_TRUE(IsFollowedScheme(uri)) << uri;
}

TEST(LinkScheme, EverythingElseIsRefused)
{
    const char *refused[] = {"ftp://example.com/f",
                             "docs/readme.html",
                             "file:///C:/Windows/notepad.exe",
                             "javascript:alert(1)",
                             "",
                             "http:/",
                             "http:",
                             "https:/x",
                             "mailto",
                             " http://x",
                             "www.example.com",
                             "http\x1a//x",  // 0x1A | 0x20 would be ':'
                             "http:\x0f\x0fx",  // 0x0F | 0x20 would be '/'
                             "mailto\x1a" "x",
                             "\xe8ttp://x"};  // 0xE8 | 0x20 is not 'h'
    for (const char *uri : refused) EXPECT_FALSE(IsFollowedScheme(uri)) << uri;
}

// --- Links of real pages ----------------------------------------------------

const std::string kLong2047 = "https://example.com/" + std::string(2047 - 20, 'a');

class Links : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenFixture(L"links.pdf")); }
    void TearDown() override
    {
        if (GetCapture()) ReleaseCapture();
    }
    // The client point of page 1's point (x, y) in PDF points.
    POINT ClientPoint(double x, double y)
    {
        int w = RoundPixels(ViewState.zoom, Document.pageWidths[0]);
        int h = RoundPixels(ViewState.zoom, Document.pageHeights[0]);
        int left = CentringOffset() + Document.pageX[0] - ViewState.scrollX;
        int top = Document.pageY[0] - ViewState.scrollY;
        POINT p = {left + (int)(x * w / 595.0), top + (int)((842.0 - y) * h / 842.0)};
        return p;
    }
    POINT LinkCentre(int i) { return ClientPoint(222, 710 - 40 * i); }
    // What following the link under a point opened, or "" for nothing.
    std::wstring Follow(POINT p)
    {
        OpenedUris().clear();
        FPDF_LINK link = LinkAtPoint(p.x, p.y);
        if (!link) return L"<no link>";
        FollowLink(link);
        if (OpenedUris().empty()) return L"";
        EXPECT_EQ(OpenedUris().size(), 1u);
        return OpenedUris()[0];
    }
};

std::wstring Wide(const std::string &s)
{
    return std::wstring(s.begin(), s.end());
}

TEST_F(Links, WebAndMailLinksAreFollowedAsWritten)
{
    EXPECT_EQ(Follow(LinkCentre(0)), L"https://example.com/a");
    EXPECT_EQ(Follow(LinkCentre(1)), L"HTTP://EXAMPLE.COM/B");
    EXPECT_EQ(Follow(LinkCentre(2)), L"mailto:someone@example.com");
}

TEST_F(Links, OtherSchemesRelativeAddressesAndJumpsDoNothing)
{
    EXPECT_EQ(Follow(LinkCentre(3)), L"") << "ftp";
    EXPECT_EQ(Follow(LinkCentre(4)), L"") << "relative address";
    EXPECT_EQ(Follow(LinkCentre(7)), L"") << "jump to page 2";
}

TEST_F(Links, AddressesUpTo2047BytesAreFollowedLongerOnesNot)
{
    EXPECT_EQ(Follow(LinkCentre(5)), Wide(kLong2047));
    EXPECT_EQ(Follow(LinkCentre(6)), L"") << "2048 bytes";
}

TEST_F(Links, PointsOutsideLinkBoxesFindNoLink)
{
    EXPECT_EQ(Follow(ClientPoint(222, 695)), L"<no link>") << "between two boxes";
    EXPECT_EQ(Follow(ClientPoint(60, 710)), L"<no link>") << "left of the box";
    EXPECT_EQ(Follow(ClientPoint(380, 710)), L"<no link>") << "right of the box";
    POINT gap = ClientPoint(222, -4);  // the gap below page 1
    EXPECT_EQ(Follow(gap), L"<no link>");
    // Box edges, one pixel inside.
    EXPECT_NE(Follow(ClientPoint(73, 710)), L"<no link>");
    EXPECT_NE(Follow(ClientPoint(371, 710)), L"<no link>");
}

TEST_F(Links, ScrolledAndZoomedPagesStillFindTheLinkUnderThePointer)
{
    SetZoom(3.0, 0, 0);
    ScrollViewTo(100, 300);
    EXPECT_EQ(Follow(LinkCentre(0)), L"https://example.com/a");
    EXPECT_EQ(Follow(ClientPoint(371, 661)), L"HTTP://EXAMPLE.COM/B");
    // A narrow page centred in a wide view: its bottom-right link corner.
    ASSERT_TRUE(OpenFixture(L"links.pdf", 2000, 600));
    SetZoom(0.5, 0, 0);
    ASSERT_GT(CentringOffset(), 0);
    EXPECT_EQ(Follow(ClientPoint(371, 661)), L"HTTP://EXAMPLE.COM/B");
}

TEST_F(Links, MixedCaseSchemesControlBytesAndUtf8)
{
    ASSERT_TRUE(OpenFixture(L"links-extra.pdf"));
    EXPECT_EQ(Follow(LinkCentre(0)), L"hTtPs://example.com/mixed");
    EXPECT_EQ(Follow(LinkCentre(1)), L"MailTo:Someone@Example.com");
    EXPECT_EQ(Follow(LinkCentre(2)), L"") << "control byte for ':'";
    EXPECT_EQ(Follow(LinkCentre(3)), L"") << "control bytes for '/'";
    EXPECT_EQ(Follow(LinkCentre(4)), L"") << "file";
    EXPECT_EQ(Follow(LinkCentre(5)), L"") << "javascript";
    EXPECT_EQ(Follow(LinkCentre(6)), L"https://example.com/caf\u00e9");
}

// --- Cursor and clicks through the view -----------------------------------

POINT ToScreen(POINT p)
{
    ClientToScreen(ViewWindow, &p);
    return p;
}

HCURSOR CursorAfterSetCursor(POINT client)
{
    POINT screen = ToScreen(client);
    SetCursorPos(screen.x, screen.y);
    SetCursor(LoadCursorW(NULL, IDC_CROSS));
    SendMessageW(ViewWindow, WM_SETCURSOR, (WPARAM)ViewWindow, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

TEST_F(Links, TheCursorIsAHandOverEveryLinkExceptWhileDragging)
{
    HCURSOR hand = LoadCursorW(NULL, IDC_HAND);
    HCURSOR arrow = LoadCursorW(NULL, IDC_ARROW);
    // The check needs the pointer to reach the point asked for.
    POINT probe = ToScreen(LinkCentre(0));
    SetCursorPos(probe.x, probe.y);
    POINT now;
    GetCursorPos(&now);
    if (now.x != probe.x || now.y != probe.y) GTEST_SKIP() << "the pointer cannot be placed on this display";
    for (int i = 0; i < 8; i++) EXPECT_EQ(CursorAfterSetCursor(LinkCentre(i)), hand) << "link " << i;
    EXPECT_EQ(CursorAfterSetCursor(ClientPoint(222, 695)), arrow);
    SetCapture(ViewWindow);
    EXPECT_NE(CursorAfterSetCursor(LinkCentre(0)), hand);
    ReleaseCapture();
}

void Click(POINT down, POINT up)
{
    SendMessageW(ViewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    SendMessageW(ViewWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
    SendMessageW(ViewWindow, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
}

TEST_F(Links, AClickWithinTheDragDistanceFollowsALongerDragDoesNot)
{
    if (GetCapture() != NULL) ReleaseCapture();
    POINT p = LinkCentre(0);
    SendMessageW(ViewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    if (GetCapture() != ViewWindow) GTEST_SKIP() << "a hidden window cannot take the capture here";
    SendMessageW(ViewWindow, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    OpenedUris().clear();
    Click(p, p);
    ASSERT_EQ(OpenedUris().size(), 1u);
    EXPECT_EQ(OpenedUris()[0], L"https://example.com/a");
    int dx = GetSystemMetrics(SM_CXDRAG);
    int dy = GetSystemMetrics(SM_CYDRAG);
    // Released on link 2 after a movement of exactly the drag distance: the
    // link under the release point is the one followed.
    OpenedUris().clear();
    POINT mail = LinkCentre(2);
    POINT press = {mail.x - dx, mail.y + dy};
    ScrollViewTo(0, 0);
    Click(press, mail);
    ASSERT_EQ(OpenedUris().size(), 1u);
    EXPECT_EQ(OpenedUris()[0], L"mailto:someone@example.com");
    // One pixel more is a drag.
    OpenedUris().clear();
    ScrollViewTo(0, 0);
    POINT beyond = {mail.x - dx - 1, mail.y};
    Click(beyond, mail);
    EXPECT_TRUE(OpenedUris().empty());
}

}  // namespace
