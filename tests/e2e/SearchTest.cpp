// The real program's search: Ctrl+F opens the bar, a word and Enter move to
// its page and tint it yellow, Esc removes bar and tint, and F3 goes on
// through the matches and wraps. report.pdf holds "needle" on pages 2, 5
// (twice) and 9.
#include "tests/e2e/Driver.h"

using Search = ProgramTest;

TEST_F(Search, FindsHighlightsAndWraps)
{
    auto page = [](int n) { return L"report.pdf - " + std::to_wstring(n) + L"/10 - Folivex"; };
    // White page pixels blended half-way towards RGB(255, 230, 0).
    auto tinted = [](const Shot &s) {
        return s.Count(0, 0, s.width, s.height, [](uint32_t c) { return c == 0xFFF27F; });
    };
    ASSERT_TRUE(StartApp(&app, Fixture(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, page(1)));
    HWND edit = FindWindowExW(app.main, nullptr, L"Edit", nullptr);
    Key(&app, 'F', /*ctrl=*/true);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(edit); })) << "no search bar";
    for (char c : std::string("NEEDLE")) Key(&app, c);
    Key(&app, VK_RETURN);
    EXPECT_TRUE(WaitForTitle(&app, page(2)));
    EXPECT_GT(tinted(StillView(&app)), 100);

    Key(&app, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(edit); })) << "the bar stays";
    EXPECT_EQ(tinted(StillView(&app)), 0);

    // F3 searches the bar's text afresh from the current page, to the last
    // match and round to the first.
    for (int n : {2, 5, 5, 9, 2}) {
        Key(&app, VK_F3);
        EXPECT_TRUE(WaitForTitle(&app, page(n)));
    }
    EXPECT_GT(tinted(StillView(&app)), 100);
}
