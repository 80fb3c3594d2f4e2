// The real program reading comics: generated CBZ files of solid-colour pages
// open fitted to the width, show their colours where the pages are, follow
// Page Down and the two-page spread, and show a grey placeholder for a page
// that cannot be decoded.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/ProgramTest.h"

namespace {

// The page colours of comic.cbz in page order (page1 ... page5, page10).
const uint32_t kRed = 0xDC2828;
const uint32_t kGreen = 0x28B43C;
const uint32_t kBlue = 0x2846DC;
const uint32_t kStrip = 0x808080;
const uint32_t kPlaceholder = 0xDDDDDD;

class Comic : public ProgramTest {
protected:
    // The view as it is now, after everything sent to the program ran.
    Screenshot Shot(const wchar_t* name)
    {
        Settle(&app);
        Screenshot shot;
        EXPECT_TRUE(CaptureClient(app.view, &shot));
        SaveTestShot(shot, name);
        return shot;
    }
    // How many pixels of a rectangle have exactly the colour.
    static int CountColour(const Screenshot& shot, int x0, int y0, int x1, int y1, uint32_t colour)
    {
        return shot.Count(x0, y0, x1, y1, [colour](uint32_t c) { return c == colour; });
    }
};

TEST_F(Comic, OpensFittedToTheWidthAndShowsTheFirstPage)
{
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"comic.cbz"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 1/6 - Folivex", 10000)) << WindowTitle(app.main);
    Screenshot shot = Shot(L"comic-first-page");
    ASSERT_GT(shot.width, 200);
    // Fitted: strip grey at the left edge and above the page, and the page
    // (enlarged from 60 x 80 pixels) solid red across the width.
    EXPECT_EQ(kStrip, shot.At(2, shot.height / 2));
    EXPECT_EQ(kStrip, shot.At(shot.width / 2, 2));
    EXPECT_EQ(kStrip, shot.At(shot.width - 3, shot.height / 2));
    EXPECT_EQ(kRed, shot.At(shot.width / 2, shot.height / 2));
    EXPECT_EQ(kRed, shot.At(24, 40));
    EXPECT_EQ(kRed, shot.At(shot.width - 26, shot.height - 4));
    // No horizontal scroll bar for a fitted page.
    EXPECT_EQ(0, GetWindowLongW(app.view, GWL_STYLE) & WS_HSCROLL);
    int red = CountColour(shot, 0, 0, shot.width, shot.height, kRed);
    EXPECT_GT(red, shot.width * shot.height * 8 / 10);
}

// The ZIP signature makes a comic of a file whatever its name says.
TEST_F(Comic, ZipArchiveNamedAsPdfOpensAsAComic)
{
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"comic-named.pdf"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-named.pdf - 1/6 - Folivex", 10000)) << WindowTitle(app.main);
    EXPECT_EQ(nullptr, WaitForMessageBox(&app, 500)) << "no error message";
    Screenshot shot = Shot(L"comic-named-pdf");
    EXPECT_EQ(kRed, shot.At(shot.width / 2, shot.height / 2));
}

TEST_F(Comic, PageDownShowsTheSecondPageAndTheTitleFollows)
{
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"comic.cbz"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 1/6 - Folivex", 10000)) << WindowTitle(app.main);
    PressKey(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 2/6 - Folivex", 5000)) << WindowTitle(app.main);
    Screenshot shot = Shot(L"comic-second-page");
    int green = CountColour(shot, 0, 0, shot.width, shot.height, kGreen);
    EXPECT_GT(green, shot.width * shot.height / 2);
    EXPECT_EQ(kGreen, shot.At(shot.width / 2, shot.height / 2));
    PressKey(&app, VK_END);
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 6/6 - Folivex", 5000)) << WindowTitle(app.main);
    // The last page is page10.png, after page5.png in natural order.
    shot = Shot(L"comic-last-page");
    EXPECT_EQ(0x1EBEC8u, shot.At(shot.width / 2, shot.height - 40));
}

TEST_F(Comic, TwoPageModeShowsTheCoverAloneThenPagesSideBySide)
{
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"comic.cbz"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 1/6 - Folivex", 10000)) << WindowTitle(app.main);
    PressKey(&app, 'D');
    Screenshot shot = Shot(L"comic-spread-cover");
    EXPECT_EQ(WindowTitle(app.main), L"comic.cbz - 1/6 - Folivex");
    // First row: nothing on the left, the cover on the right; second row,
    // further down the same view: pages 2 and 3 side by side.
    int y = 100;
    EXPECT_EQ(kStrip, shot.At(shot.width / 4, y));
    EXPECT_EQ(kRed, shot.At(shot.width * 3 / 4, y));
    EXPECT_EQ(0, CountColour(shot, 0, 0, shot.width / 2 - 8, shot.height, kRed));
    int y2 = shot.height - 60;
    EXPECT_EQ(kGreen, shot.At(shot.width / 4, y2));
    EXPECT_EQ(kBlue, shot.At(shot.width * 3 / 4, y2));
    // The two pages of the row keep a strip-grey gap between them.
    EXPECT_GT(CountColour(shot, shot.width / 2 - 12, y2, shot.width / 2 + 12, y2 + 1, kStrip), 0);
    // Page Down moves by about a view height, past the row of pages 2 and
    // 3; the title names the pair that is now current.
    PressKey(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 4-5/6 - Folivex", 5000)) << WindowTitle(app.main);
    shot = Shot(L"comic-spread-pages");
    EXPECT_GT(CountColour(shot, 0, 0, shot.width / 2, shot.height, 0xE6C81E), 1000);
    EXPECT_GT(CountColour(shot, shot.width / 2, 0, shot.width, shot.height, 0xA028BE), 1000);
    PressKey(&app, VK_HOME);
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbz - 1/6 - Folivex", 5000)) << WindowTitle(app.main);
}

TEST_F(Comic, UndecodablePageShowsTheLightGreyPlaceholder)
{
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"imaging\\comic-broken.cbz"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-broken.cbz - 1/3 - Folivex", 10000)) << WindowTitle(app.main);
    Screenshot shot = Shot(L"comic-broken-first");
    EXPECT_EQ(kRed, shot.At(shot.width / 2, shot.height / 2));
    PressKey(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-broken.cbz - 2/3 - Folivex", 5000)) << WindowTitle(app.main);
    shot = Shot(L"comic-broken-second");
    EXPECT_EQ(kPlaceholder, shot.At(shot.width / 2, shot.height / 2));
    int grey = CountColour(shot, 0, 0, shot.width, shot.height, kPlaceholder);
    EXPECT_GT(grey, shot.width * shot.height / 2);
    // The pages around it still decode.
    PressKey(&app, VK_END);
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-broken.cbz - 3/3 - Folivex", 5000)) << WindowTitle(app.main);
    shot = Shot(L"comic-broken-third");
    EXPECT_EQ(kBlue, shot.At(shot.width / 2, shot.height - 40));
    PressKey(&app, 'W', /*ctrl=*/true);
    EXPECT_EQ(WaitForExit(&app, 10000), 0u);
}

TEST_F(Comic, ClosingWhileLargePagesDecodeEndsCleanly)
{
    // Large pages keep the decode worker busy while the view jumps about
    // and the program closes the book on its way out.
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"imaging\\comic-slow.cbz"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-slow.cbz - 1/2 - Folivex", 20000)) << WindowTitle(app.main);
    for (int i = 0; i < 4; i++) {
        PressKey(&app, VK_END);
        PressKey(&app, VK_HOME);
        PressKey(&app, 'D');
    }
    Settle(&app);
    EXPECT_TRUE(IsWindow(app.main));
    PressKey(&app, 'W', /*ctrl=*/true);
    EXPECT_EQ(WaitForExit(&app, 20000), 0u);
}

}  // namespace
