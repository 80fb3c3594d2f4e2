// The About window's own arithmetic, in this process: where the window goes
// over its owner and the size it takes from its measured content.
#include "tests/unit/Support.h"

#include "about/About.h"

TEST(AboutWindow, IsCentredOnItsOwnerAndKeptInsideTheWorkArea)
{
    struct {
        RECT owner;
        int width, height;
        RECT work;
        POINT expected;
    } cases[] = {
        {{100, 100, 900, 700}, 400, 300, {0, 0, 1600, 1200}, {300, 250}},
        {{1400, 1000, 1800, 1400}, 400, 300, {0, 0, 1600, 1200}, {1200, 900}}, // past right and bottom
        {{-500, -400, 100, 0}, 400, 300, {0, 0, 1600, 1200}, {0, 0}},          // past left and top
        {{0, 0, 1600, 1200}, 2000, 1500, {0, 0, 1600, 1200}, {0, 0}},          // larger: left and top in sight
        {{-1600, 0, -1200, 300}, 400, 300, {-1600, 40, 0, 1200}, {-1600, 40}}, // work area off the origin
    };
    for (const auto &c : cases) {
        POINT at = PlaceOverOwner(&c.owner, c.width, c.height, &c.work);
        EXPECT_TRUE(at.x == c.expected.x && at.y == c.expected.y) << "owner left " << c.owner.left;
    }
}

// The window takes the size of its measured content and control row, and
// each link keeps only its own text's rectangle, centred in the content.
TEST(AboutWindow, TakesTheSizeOfItsMeasuredContent)
{
    EnsureProgramWindows();
    ShowAboutWindow();
    ASSERT_TRUE(AboutWindow);
    int margin = ScaleDpi(24), width = ScaleDpi(500);
    RECT client, close;
    GetClientRect(AboutWindow, &client);
    GetWindowRect(GetDlgItem(AboutWindow, IDOK), &close);
    MapWindowPoints(NULL, AboutWindow, (POINT *)&close, 2);
    EXPECT_EQ(client.right, width + 2 * margin);
    EXPECT_EQ(close.right, margin + width);
    EXPECT_EQ(close.bottom + ScaleDpi(16), client.bottom);
    ASSERT_EQ(AboutLinkCount, 2);
    for (const AboutLink &link : AboutLinks) {
        EXPECT_LT(link.rect.right - link.rect.left, width / 2) << Utf8(link.address);
        EXPECT_LE(abs((link.rect.left - margin) - (margin + width - link.rect.right)), 1) << Utf8(link.address);
        EXPECT_LT(link.rect.top, link.rect.bottom);
        EXPECT_LE(link.rect.bottom, close.top);
    }
    SendMessageW(AboutWindow, WM_CLOSE, 0, 0);
    PumpMessages();
}
