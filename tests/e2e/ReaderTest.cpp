// The real program as a PDF reader: the empty window, the start-up error
// message, a document from the command line, paging, zoom, the two-page view
// kept for the next start, and Ctrl+W.
#include "tests/e2e/Driver.h"

#include <algorithm>

using Reader = ProgramTest;

TEST_F(Reader, ReadsAPdfFromTheCommandLine)
{
    auto isDark = [](uint32_t c) { return (c >> 16 & 0xFF) < 96 && (c >> 8 & 0xFF) < 96 && (c & 0xFF) < 96; };
    auto isWhite = [](uint32_t c) { return c == 0xFFFFFF; };
    auto hasHorizontalBar = [&] { return (GetWindowLongW(app.view, GWL_STYLE) & WS_HSCROLL) != 0; };

    // No document: the bare title, and the hint as one line, centred.
    ASSERT_TRUE(StartApp(&app));
    EXPECT_EQ(TextOf(app.main), L"Folivex");
    Shot empty = StillView(&app);
    int w = empty.width, h = empty.height, left = w, right = -1;
    for (int x = 0; x < w; x++)
        if (empty.Count(x, 0, x + 1, h, isDark)) left = std::min(left, x), right = x;
    EXPECT_GT(empty.Count(0, h / 2 - 12, w, h / 2 + 12, isDark), 100) << "no hint across the middle";
    EXPECT_EQ(empty.Count(0, 0, w, h / 2 - 12, isDark) + empty.Count(0, h / 2 + 12, w, h, isDark), 0);
    EXPECT_NEAR(left, w - 1 - right, 6) << "the hint is not centred";
    StopApp(&app);

    // A file that cannot be opened is reported over the window, which stays empty.
    ASSERT_TRUE(StartApp(&app, Fixture(L"empty.pdf")));
    EXPECT_EQ(CloseMessageBox(&app), L"Cannot open this file.");
    EXPECT_EQ(TextOf(app.main), L"Folivex");
    StopApp(&app);

    // The first page fitted to the width: white, with text.
    ASSERT_TRUE(StartApp(&app, Fixture(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, L"report.pdf - 1/10 - Folivex"));
    Shot page = StillView(&app);
    w = page.width, h = page.height;
    EXPECT_GT(page.Count(8, 8, w - 8, h, isWhite), w * h / 2);
    EXPECT_GT(page.Count(8, 8, w - 8, h, isDark), 100) << "no text on the page";
    EXPECT_FALSE(hasHorizontalBar());
    Key(&app, VK_NEXT);
    EXPECT_TRUE(WaitForTitle(&app, L"report.pdf - 2/10 - Folivex"));

    // D pairs page 2 with page 3, the cover standing alone.
    Key(&app, 'D');
    EXPECT_TRUE(WaitForTitle(&app, L"report.pdf - 2-3/10 - Folivex"));

    // Zoomed in, the strip is wider than the view; fitted again, it is not.
    Key(&app, VK_OEM_PLUS, /*ctrl=*/true);
    EXPECT_TRUE(WaitUntil(hasHorizontalBar)) << "Ctrl+plus";
    Key(&app, '0', /*ctrl=*/true);
    EXPECT_TRUE(WaitUntil([&] { return !hasHorizontalBar(); })) << "Ctrl+0";
    Key(&app, 'W', /*ctrl=*/true);
    EXPECT_EQ(StopApp(&app, 10000), 0u);

    // The two-page view is stored: at the next start the cover stands alone
    // on the right of the first row.
    ASSERT_TRUE(StartApp(&app, Fixture(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, L"report.pdf - 1/10 - Folivex"));
    Shot spread = StillView(&app);
    EXPECT_EQ(spread.Count(0, 0, w / 2 - 8, h / 3, isWhite), 0) << "a page left of the cover";
    EXPECT_GT(spread.Count(w / 2 + 8, 0, w, h / 3, isWhite), w * h / 12) << "no cover on the right";
}
