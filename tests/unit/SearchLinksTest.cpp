// Text search (the order matches are visited in, the text rules, the band a
// match is scrolled into, the highlight blend, the bar's keys) and links
// (which addresses are followed, hit-testing under zoom and scroll, the hand
// cursor, click against drag), on the real windows with generated PDFs.
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
        Open(L"report.pdf");
    }
    void TearDown() override
    {
        HoldModifiers(false, false);
        ShowSearchBar(0);
        ShowWindow(MainWindow, SW_HIDE);
        CloseDocument();
    }
    void Open(const wchar_t *name)
    {
        OpenDocument(FixturePath(name).c_str());
        ASSERT_NE(Document.pdf, nullptr);
        ClearSearchHit();
        SearchState.lastText[0] = 0;
        beeps = 0;
        opened.clear();
    }
    int Find(const wchar_t *text, int direction)
    {
        SetWindowTextW(SearchEdit, text);
        FindText(direction);
        return SearchState.hitPage;
    }
};

// Each row starts afresh from a current page; makeCurrent scrolls another
// page into place before the step, as the reader would.
TEST_F(Reading, SearchVisitsMatchesInReadingOrderAndWraps)
{
    struct Step {
        const wchar_t *text;
        int direction, makeCurrent, page;
    };
    struct Row {
        const char *what;
        int start;
        std::vector<Step> steps;
        int beeps;
    } rows[] = {
        {"forward, then wrap",
         0,
         {{L"needle", 1, -1, 1},
          {L"needle", 1, -1, 4},
          {L"needle", 1, -1, 4},
          {L"needle", 1, -1, 8},
          {L"needle", 1, -1, 1}},
         0},
        {"backward from the first page wraps",
         0,
         {{L"needle", -1, -1, 8}, {L"needle", -1, -1, 4}, {L"needle", -1, -1, 4}, {L"needle", -1, -1, 1}},
         0},
        {"direction changes", 0, {{L"needle", 1, -1, 1}, {L"needle", 1, -1, 4}, {L"needle", -1, -1, 1}}, 0},
        {"fresh from the current page", 5, {{L"needle", 1, -1, 8}}, 0},
        {"fresh backward from it", 5, {{L"needle", -1, -1, 4}}, 0},
        {"continues from the hit, not the view", 0, {{L"needle", 1, -1, 1}, {L"needle", 1, 7, 4}}, 0},
        {"the only match again, no beep",
         0,
         {{L"Line 4 of page 7", 1, -1, 6}, {L"Line 4 of page 7", 1, 0, 6}, {L"Line 4 of page 7", -1, -1, 6}},
         0},
        {"a case change is a new text", 0, {{L"needle", 1, -1, 1}, {L"needle", 1, -1, 4}, {L"NEEDLE", 1, 0, 1}}, 0},
        {"a soft hyphen is a new text", 0, {{L"needle", 1, -1, 1}, {L"nee\u00ADdle", 1, -1, -1}}, 1},
        {"nothing found", 3, {{L"zebra", 1, -1, -1}, {L"zebra", -1, -1, -1}, {L"needle", 1, -1, 4}}, 2},
    };
    for (const Row &row : rows) {
        ClearSearchHit();
        SearchState.lastText[0] = 0;
        GoToPage(row.start);
        beeps = 0;
        int step = 0;
        for (const Step &s : row.steps) {
            if (s.makeCurrent >= 0) GoToPage(s.makeCurrent);
            EXPECT_EQ(Find(s.text, s.direction), s.page) << row.what << ", step " << step++;
        }
        EXPECT_EQ(beeps, row.beeps) << row.what;
    }
}

TEST_F(Reading, SearchTextRules)
{
    Find(L"needle", 1);
    int scrollY = ViewState.scrollY;
    EXPECT_EQ(Find(L"", 1), 1) << "an empty text does nothing";
    std::wstring longText = L"needle" + std::wstring(294, L'x');
    Find(longText.c_str(), 1);
    EXPECT_EQ(Utf8(SearchState.lastText), Utf8(longText.substr(0, SEARCH_TEXT_MAX).c_str()));
    EXPECT_EQ(ViewState.scrollY, scrollY) << "nothing found leaves the view";
    EXPECT_EQ(beeps, 1);
    // Without a document nothing is searched and the text stays.
    CloseDocument();
    Find(L"zebra", 1);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Utf8(SearchState.lastText).size(), (size_t)SEARCH_TEXT_MAX);
    // A match spread over more rectangles than are kept keeps the first ones.
    Open(L"many-rects.pdf");
    std::wstring line;
    for (int i = 0; i < 7; i++) line += L"abdeghnopqu";
    EXPECT_EQ(Find(line.c_str(), 1), 0);
    EXPECT_EQ(SearchState.hitRectCount, MaxHitRects);
}

// The match's corner stays where it is inside the comfortable band; outside
// it is brought a third of the way down (or to the middle horizontally).
TEST(SearchBand, EdgesOfTheBand)
{
    ViewStateRecord saved = ViewState;
    ViewState.viewWidth = 800;
    ViewState.viewHeight = 601;
    ViewState.scrollX = 100;
    ViewState.scrollY = 1000;
    const int rows[][4] = {
        {500, 1020, 100, 1000}, {500, 1019, 100, 819},  {500, 1540, 100, 1000}, {500, 1541, 100, 1341},
        {100, 1100, 100, 1000}, {99, 1100, -301, 1000}, {859, 1100, 100, 1000}, {860, 1100, 460, 1000},
    };
    for (auto &r : rows) {
        int x, y;
        SearchScrollTarget(r[0], r[1], &x, &y);
        EXPECT_EQ(x, r[2]) << r[0] << "," << r[1];
        EXPECT_EQ(y, r[3]) << r[0] << "," << r[1];
    }
    ViewState = saved;
}

// Half-way to yellow over the rectangle grown by a pixel, clipped to the
// bitmap whatever the engine returned; the fourth byte and row padding are
// left alone.
TEST(SearchBlend, TintsTheGrownRectangleInsideTheBitmapOnly)
{
    struct Row {
        int x1, y1, x2, y2;
        const char *tinted; // 4 x 3 pixels, row by row
    } rows[] = {
        {2, 1, 3, 2, ".TTT.TTT.TTT"},   {INT_MIN, INT_MIN, INT_MAX, INT_MAX, "TTTTTTTTTTTT"},
        {6, 0, 9, 3, "............"},   {5, 4, 5, 4, "............"},
        {0, -9, 4, -2, "............"},
    };
    for (const Row &row : rows) {
        unsigned char bits[20 * 3];
        memset(bits, 0xEE, sizeof bits);
        for (int i = 0; i < 12; i++) memcpy(bits + (i / 4) * 20 + (i % 4) * 4, "\xC9\x64\x01\x7F", 4);
        BlendHighlight(bits, 4, 3, 20, row.x1, row.y1, row.x2, row.y2);
        for (int i = 0; i < 12; i++) {
            const unsigned char *p = bits + (i / 4) * 20 + (i % 4) * 4;
            bool tinted = p[0] == 100 && p[1] == 165 && p[2] == 128;
            EXPECT_EQ(tinted ? 'T' : '.', row.tinted[i]) << row.x1 << "," << row.y1 << " pixel " << i;
            EXPECT_EQ(p[3], 0x7F);
        }
        for (int y = 0; y < 3; y++) EXPECT_EQ(bits[y * 20 + 16], 0xEE);
    }
}

TEST_F(Reading, BarKeysSearchPageAndCloseFromTheViewToo)
{
    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    ShowSearchBar(1);
    ASSERT_TRUE(IsWindowVisible(SearchEdit));
    SetWindowTextW(SearchEdit, L"needle");
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SearchState.hitPage, 1);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_F3, 0); // a command key, from the bar
    EXPECT_EQ(SearchState.hitPage, 4);
    HoldModifiers(false, true);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0);
    HoldModifiers(false, false);
    EXPECT_EQ(SearchState.hitPage, 1);
    int y = ViewState.scrollY;
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(ViewState.scrollY, y + ViewState.viewHeight - ScaleDpi(48)) << "Page Down pages the document";
    // The characters of command keys neither beep nor go into the text;
    // Ctrl+A selects it all.
    SendMessageW(SearchEdit, WM_CHAR, 0x06, 0);
    SendMessageW(SearchEdit, WM_CHAR, 0x01, 0);
    DWORD from = 1, to = 0;
    SendMessageW(SearchEdit, EM_GETSEL, (WPARAM)&from, (LPARAM)&to);
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 6u);
    SendMessageW(ViewWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindowVisible(SearchEdit));
    EXPECT_EQ(SearchState.hitPage, -1);
}

TEST(LinkScheme, TruncatedSchemesAreRefused)
{
    const char *refused[] = {"", "h", "http:/", "https:", "mailto", "http//x"};
    for (const char *uri : refused) EXPECT_FALSE(IsFollowedScheme(uri)) << uri;
}

// links.pdf: page 1 has 300 x 20 pt link boxes at x = 72, bottom at
// y = 700 - 40 i, holding its eight links; page 2 holds seven more.
class Links : public Reading
{
  protected:
    void SetUp() override
    {
        Reading::SetUp();
        Open(L"links.pdf");
    }
    // The client point of point (x, y) in PDF points on a page.
    POINT At(int page, double x, double y)
    {
        PageBox box;
        PageBoxInClient(&Document, &ViewState, page, &box);
        return {box.x + (int)(x * box.w / 595.0), box.y + (int)((842.0 - y) * box.h / 842.0)};
    }
    POINT Centre(int page, int i)
    {
        return At(page, 222, 710 - 40 * i);
    }
    // What following the link under a point opened; "-" for no link.
    std::string Follow(POINT p)
    {
        opened.clear();
        FPDF_LINK link = LinkAtPoint(p.x, p.y);
        if (!link) return "-";
        FollowLink(link);
        return opened.empty() ? "" : Utf8(opened[0].c_str());
    }
};

TEST_F(Links, OnlyWebAndMailAddressesAreFollowed)
{
    std::string long2047 = "https://example.com/" + std::string(2027, 'a');
    struct Row {
        int page, link;
        std::string uri;
    } rows[] = {
        {0, 0, "https://example.com/a"},
        {0, 1, "HTTP://EXAMPLE.COM/B"},
        {0, 2, "mailto:someone@example.com"},
        {0, 3, ""} /* ftp */,
        {0, 4, ""} /* relative */,
        {0, 5, long2047},
        {0, 6, ""} /* 2048 bytes */,
        {0, 7, ""} /* jump to page 2 */,
        {1, 0, "hTtPs://example.com/mixed"},
        {1, 1, "MailTo:Someone@Example.com"},
        {1, 2, ""} /* control byte for ':' */,
        {1, 3, ""} /* for '/' */,
        {1, 4, ""} /* file */,
        {1, 5, ""} /* javascript */,
        {1, 6, "https://example.com/caf\xC3\xA9"},
    };
    SetZoom(0.5, 0, 0); // both pages in view
    for (const Row &row : rows) EXPECT_EQ(Follow(Centre(row.page, row.link)), row.uri) << row.page << "/" << row.link;
}

TEST_F(Links, HitTestFollowsZoomScrollAndCentring)
{
    const double outside[][2] = {{222, 695}, {60, 710}, {380, 710}, {222, -4}};
    for (auto &p : outside) EXPECT_EQ(Follow(At(0, p[0], p[1])), "-") << p[0] << "," << p[1];
    EXPECT_NE(Follow(At(0, 73, 710)), "-");
    EXPECT_NE(Follow(At(0, 371, 710)), "-");
    SetZoom(3.0, 0, 0);
    ScrollViewTo(100, 300);
    EXPECT_EQ(Follow(At(0, 371, 661)), "HTTP://EXAMPLE.COM/B");
    int viewWidth = ViewState.viewWidth;
    ViewState.viewWidth = 2000; // a narrow page centred in a wide view
    SetZoom(0.5, 0, 0);
    ASSERT_GT(CentringOffset(&ViewState), 0);
    EXPECT_EQ(Follow(At(0, 371, 661)), "HTTP://EXAMPLE.COM/B");
    ViewState.viewWidth = viewWidth;
}

// The hand over links, not elsewhere nor while a drag holds the capture;
// a release within the drag distance of the press is a click.
TEST_F(Links, HandCursorAndClickAgainstDrag)
{
    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    // The view answers WM_SETCURSOR itself only when it has put up the hand
    // (cursor handles cannot be compared: Wine may load the hand anew).
    auto handAt = [](POINT client) {
        ClientToScreen(ViewWindow, &client);
        SetCursorPos(client.x, client.y);
        // Wine moves the X pointer asynchronously: wait until it is there.
        POINT now = {};
        for (int i = 0; i < 500 && GetCursorPos(&now) && (now.x != client.x || now.y != client.y); i++) Sleep(10);
        if (now.x != client.x || now.y != client.y) ADD_FAILURE() << "the pointer did not reach the point";
        return SendMessageW(ViewWindow, WM_SETCURSOR, (WPARAM)ViewWindow, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == TRUE;
    };
    EXPECT_TRUE(handAt(Centre(0, 0)));
    EXPECT_FALSE(handAt(At(0, 222, 695)));
    SetCapture(ViewWindow);
    EXPECT_FALSE(handAt(Centre(0, 0)));
    ReleaseCapture();

    int dx = GetSystemMetrics(SM_CXDRAG), dy = GetSystemMetrics(SM_CYDRAG);
    POINT mail = Centre(0, 2);
    const POINT presses[] = {mail, {mail.x - dx, mail.y + dy}, {mail.x - dx - 1, mail.y}};
    const size_t expected[] = {1, 1, 0};
    for (int i = 0; i < 3; i++) {
        opened.clear();
        ScrollViewTo(0, 0);
        SendMessageW(ViewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(presses[i].x, presses[i].y));
        SendMessageW(ViewWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(mail.x, mail.y));
        SendMessageW(ViewWindow, WM_LBUTTONUP, 0, MAKELPARAM(mail.x, mail.y));
        EXPECT_EQ(opened.size(), expected[i]) << "press " << i;
    }
}

} // namespace
