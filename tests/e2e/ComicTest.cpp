// The real program reading comics: generated CBZ files of solid-colour pages
// open fitted to the width, follow Page Down, show a light grey placeholder
// for a page that cannot be decoded, and answer Ctrl+F with a message.
#include "tests/e2e/Driver.h"

const uint32_t RED = 0xDC2828, GREEN = 0x28B43C, PLACEHOLDER = 0xDDDDDD;

using Comic = ProgramTest;

TEST_F(Comic, ShowsTheImagePages)
{
    ASSERT_TRUE(StartApp(&app, Fixture(L"comic.cbz")));
    ASSERT_TRUE(WaitForTitle(&app, L"comic.cbz - 1/6 - Folivex"));
    Shot shot = StillView(&app);
    int w = shot.width, h = shot.height;
    EXPECT_EQ(shot.At(w / 2, h / 2), RED);
    EXPECT_GT(shot.Count(0, 0, w, h, [](uint32_t c) { return c == RED; }), w * h * 8 / 10) << "not fitted";
    Key(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(&app, L"comic.cbz - 2/6 - Folivex"));
    EXPECT_EQ(StillView(&app).At(w / 2, h / 2), GREEN);

    // A comic has no text: a message instead of the search bar.
    Key(&app, 'F', /*ctrl=*/true);
    EXPECT_EQ(CloseMessageBox(&app), L"A comic is made of images only: there is no text to search.");
    EXPECT_FALSE(IsWindowVisible(FindWindowExW(app.main, nullptr, L"Edit", nullptr)));
    StopApp(&app);

    // Page 2 of this book does not decode.
    ASSERT_TRUE(StartApp(&app, Fixture(L"imaging\\comic-broken.cbz")));
    ASSERT_TRUE(WaitForTitle(&app, L"comic-broken.cbz - 1/3 - Folivex"));
    Key(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(&app, L"comic-broken.cbz - 2/3 - Folivex"));
    EXPECT_EQ(StillView(&app).At(w / 2, h / 2), PLACEHOLDER);
}
