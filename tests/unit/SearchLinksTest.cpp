// Text search (the order matches are visited in, the text rules, the band a
// match is scrolled into, the highlight blend, the bar's keys) and links
// (which addresses are followed, hit-testing under zoom and scroll, click
// against drag), on the real windows with generated PDFs.
//
// report.pdf holds "needle" on pages 2, 5 (twice, the second as "NEEDLE")
// and 9: indexes 1, 4, 4, 8.
#include "tests/unit/Support.h"

#include <climits>

#include "links/Links.h"
#include "search/Search.h"
#include "view/Layout.h"

namespace
{

int beeps;
std::vector<std::wstring> opened;

class Reading : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureProgramWindows();
        SearchBeepHook = [] { beeps++; };
        OpenUriHook = [](const wchar_t *uri) { opened.push_back(uri); };
        OpenDocument(FixturePath(document).c_str());
        ASSERT_NE(Document.pdf, nullptr);
        Fresh();
    }
    void TearDown() override
    {
        ShowSearchBar(0);
        ShowWindow(MainWindow, SW_HIDE);
        CloseDocument();
    }
    // No match, no text searched before, no beep, nothing opened.
    void Fresh()
    {
        ClearSearchHit();
        SearchState.lastText[0] = 0;
        beeps = 0;
        opened.clear();
    }
    const wchar_t *document = L"report.pdf";
    int Find(const wchar_t *text, int direction)
    {
        SetWindowTextW(SearchEdit, text);
        FindText(direction);
        return SearchState.hitPage;
    }
};

// Each row starts afresh from a current page; makeCurrent scrolls another
// page into place before the step, as the reader would. Plain forward
// order and its wrap are the end-to-end test's.
TEST_F(Reading, SearchVisitsMatchesInReadingOrderAndWraps)
{
    struct Step {
        int direction, page;
        const wchar_t *text = L"needle";
        int makeCurrent = -1;
    };
    const wchar_t *only = L"Line 4 of page 7";
    const struct {
        const char *what;
        int start, beeps;
        std::vector<Step> steps;
    } rows[] = {
        {"backward from the first page wraps", 0, 0, {{-1, 8}, {-1, 4}, {-1, 4}, {-1, 1}}},
        {"fresh backward from the current page", 5, 0, {{-1, 4}}},
        {"continues from the hit, not the view", 0, 0, {{1, 1}, {1, 4, L"needle", 7}}},
        {"the only match again, no beep", 0, 0, {{1, 6, only}, {1, 6, only, 0}, {-1, 6, only}}},
        {"a case change is a new text", 0, 0, {{1, 1}, {1, 4}, {1, 1, L"NEEDLE", 0}}},
        {"a soft hyphen is a new text", 0, 1, {{1, 1}, {1, -1, L"nee\u00ADdle"}}},
        {"nothing found", 3, 2, {{1, -1, L"zebra"}, {-1, -1, L"zebra"}, {1, 4}}},
    };
    for (auto &row : rows) {
        Fresh();
        GoToPage(row.start);
        for (const Step &s : row.steps) {
            if (s.makeCurrent >= 0) GoToPage(s.makeCurrent);
            EXPECT_EQ(Find(s.text, s.direction), s.page) << row.what << ", step " << &s - &row.steps[0];
        }
        EXPECT_EQ(beeps, row.beeps) << row.what;
    }
}

TEST_F(Reading, SearchTextRules)
{
    Find(L"needle", 1);
    EXPECT_EQ(Find(L"", 1), 1) << "an empty text does nothing";
    Find((L"needle" + std::wstring(294, L'x')).c_str(), 1);
    EXPECT_EQ(Utf8(SearchState.lastText), "needle" + std::string(SEARCH_TEXT_MAX - 6, 'x'));
    // Without a document nothing is searched (the long text's beep was the
    // last) and the text stays.
    CloseDocument();
    Find(L"zebra", 1);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Utf8(SearchState.lastText).size(), (size_t)SEARCH_TEXT_MAX);
    // A match spread over more rectangles than are kept keeps the first ones.
    OpenDocument(FixturePath(L"many-rects.pdf").c_str());
    EXPECT_EQ(Find(L"abdeghnopquabdeghnopquabdeghnopquabdeghnopquabdeghnopquabdeghnopquabdeghnopqu", 1), 0);
    EXPECT_EQ(SearchState.hitRectCount, MaxHitRects);
}

// The match's corner stays where it is inside the comfortable band; outside
// it is brought a third of the way down (or to the middle horizontally).
TEST(SearchBand, EdgesOfTheBand)
{
    ViewStateRecord saved = ViewState;
    ViewState = {1.0, 0, 0, 0, 800, 601, 100, 1000, 0, 0, -1};
    const int rows[][4] = {
        {500, 1020, 100, 1000}, {500, 1019, 100, 819},  {500, 1540, 100, 1000}, {500, 1541, 100, 1341},
        {100, 1100, 100, 1000}, {99, 1100, -301, 1000}, {859, 1100, 100, 1000}, {860, 1100, 460, 1000},
    };
    for (auto &r : rows) {
        int x, y;
        SearchScrollTarget(r[0], r[1], &x, &y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(r[2], r[3])) << r[0] << "," << r[1];
    }
    ViewState = saved;
}

// Half-way to yellow over the rectangle grown by a pixel, clipped to the
// bitmap whatever the engine returned; the fourth byte, the other pixels and
// the row padding are left alone.
TEST(SearchBlend, TintsTheGrownRectangleInsideTheBitmapOnly)
{
    const struct {
        int x1, y1, x2, y2;
        std::string tinted; // 4 x 3 pixels, row by row
    } rows[] = {
        {2, 1, 3, 2, ".TTT.TTT.TTT"},   {INT_MIN, INT_MIN, INT_MAX, INT_MAX, "TTTTTTTTTTTT"},
        {6, 0, 9, 3, "............"},   {5, 4, 5, 4, "............"},
        {0, -9, 4, -2, "............"},
    };
    for (auto &row : rows) {
        uint32_t bits[3][5]; // blue 201, green 100, red 1, fourth byte 127; padding
        for (auto &line : bits) std::fill_n(line, 5, 0xEEEEEEEE), std::fill_n(line, 4, 0x7F0164C9);
        BlendHighlight((unsigned char *)bits, 4, 3, 20, row.x1, row.y1, row.x2, row.y2);
        std::string tinted;
        for (auto &line : bits) {
            for (int x = 0; x < 4; x++) tinted += line[x] == 0x7F80A564 ? 'T' : line[x] == 0x7F0164C9 ? '.' : '?';
            EXPECT_EQ(line[4], 0xEEEEEEEEu);
        }
        EXPECT_EQ(tinted, row.tinted) << row.x1 << "," << row.y1;
    }
}

// The bar's Enter, Shift+Enter and Page Down are the end-to-end test's.
TEST_F(Reading, BarPassesCommandKeysAndClosesFromTheViewToo)
{
    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    ShowSearchBar(1);
    SetWindowTextW(SearchEdit, L"needle");
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_F3, 0);
    EXPECT_EQ(SearchState.hitPage, 1);
    // The characters of command keys neither beep nor go into the text;
    // Ctrl+A selects it all.
    SendMessageW(SearchEdit, WM_CHAR, 0x06, 0);
    SendMessageW(SearchEdit, WM_CHAR, 0x01, 0);
    EXPECT_EQ(SendMessageW(SearchEdit, EM_GETSEL, 0, 0), MAKELRESULT(0, 6));
    SendMessageW(ViewWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(SearchEdit));
    EXPECT_EQ(SearchState.hitPage, -1);
}

// The window's redraw is held while a document opens: the bar must keep its
// strip, and everything must be drawn again once the open is done.
TEST_F(Reading, OpeningWithTheBarOpenKeepsItsStripAndRedrawsTheWindow)
{
    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    ShowSearchBar(1);
    PumpMessages();
    OpenDocument(FixturePath(L"links.pdf").c_str());
    RECT view;
    GetWindowRect(ViewWindow, &view);
    MapWindowPoints(NULL, MainWindow, (POINT *)&view, 2);
    EXPECT_EQ(view.top, SearchBarHeight);
    EXPECT_TRUE(IsWindowVisible(SearchEdit));
    EXPECT_TRUE(GetUpdateRect(ViewWindow, NULL, FALSE));
}

// links.pdf: page 1 has 300 x 20 pt link boxes at x = 72, bottom at
// y = 700 - 40 i, holding its eight links; page 2 holds seven more.
class Links : public Reading
{
  protected:
    Links()
    {
        document = L"links.pdf";
    }
    // The client point of point (x, y) in PDF points on a page.
    POINT At(int page, double x, double y)
    {
        PageBox box;
        PageBoxInClient(&Document, &ViewState, page, &box);
        return {box.x + (int)(x * box.w / 595.0), box.y + (int)((842.0 - y) * box.h / 842.0)};
    }
    // What following the link under a point opened; "-" for no link.
    std::string Follow(POINT p)
    {
        opened.clear();
        FPDF_LINK link = LinkAtPoint(p.x, p.y);
        FollowLink(link);
        return !link ? "-" : opened.empty() ? "" : Utf8(opened[0].c_str());
    }
};

// The end-to-end test clicks the first links of page 1 but for the
// 2047-byte address, which Wine's shell cannot take. Page 2: schemes in
// mixed case and a UTF-8 address are followed; a control byte in place of
// ':' or '/', file and javascript are not, nor truncated schemes. Link i's
// middle is at (222, 710 - 40 i). A release within the drag distance of
// the press is a click; one step further it is a drag. The hand cursor is
// the end-to-end test's.
TEST_F(Links, OnlyWebAndMailAddressesAreFollowedOnAClickUnderThePointer)
{
    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    int dx = GetSystemMetrics(SM_CXDRAG), dy = GetSystemMetrics(SM_CYDRAG);
    POINT mail = At(0, 222, 630);
    const POINT presses[] = {mail, {mail.x - dx, mail.y + dy}, {mail.x - dx - 1, mail.y}};
    const size_t opens[] = {1, 2, 2}; // so far
    for (int i = 0; i < 3; i++) {
        SendMessageW(ViewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(presses[i].x, presses[i].y));
        SendMessageW(ViewWindow, WM_LBUTTONUP, 0, MAKELPARAM(mail.x, mail.y));
        EXPECT_EQ(opened.size(), opens[i]) << "press " << i;
    }
    for (const char *uri : {"", "h", "http:/", "https:", "mailto", "http//x"})
        EXPECT_FALSE(IsFollowedScheme(uri)) << uri;
    const char *a = "https://example.com/a";
    const std::tuple<double, double, const char *> points[] = {{222, 695, "-"}, {60, 710, "-"}, {380, 710, "-"},
                                                               {222, -4, "-"},  {73, 710, a},   {371, 710, a}};
    for (auto [x, y, uri] : points) EXPECT_EQ(Follow(At(0, x, y)), uri) << x << "," << y;
    SetZoom(3.0, 0, 0);
    ScrollViewTo(100, 300);
    EXPECT_EQ(Follow(At(0, 371, 661)), "HTTP://EXAMPLE.COM/B") << "zoomed and scrolled";
    SetZoom(0.5, 0, 0); // both pages in view
    EXPECT_EQ(Follow(At(0, 222, 510)), "https://example.com/" + std::string(2027, 'a'));
    const char *page2[] = {"hTtPs://example.com/mixed",      "MailTo:Someone@Example.com", "", "", "", "",
                           "https://example.com/caf\xC3\xA9"};
    for (int i = 0; i < 7; i++) EXPECT_EQ(Follow(At(1, 222, 710 - 40 * i)), page2[i]) << "page 2, link " << i + 1;
}

} // namespace
