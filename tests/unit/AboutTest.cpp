// The About window's own arithmetic, in this process: where the window goes
// over its owner and the rectangles its links answer in.
#include "tests/unit/Support.h"

#include "about/About.h"

// Rows: the owner, the window's size, the work area, where the window goes.
TEST(AboutWindow, IsCentredOnItsOwnerAndKeptInsideTheWorkArea)
{
    const std::tuple<RECT, SIZE, RECT, POINT> cases[] = {
        {{100, 100, 900, 700}, {400, 300}, {0, 0, 1600, 1200}, {300, 250}},
        {{1400, 1000, 1800, 1400}, {400, 300}, {0, 0, 1600, 1200}, {1200, 900}}, // past right and bottom
        {{-500, -400, 100, 0}, {400, 300}, {0, 0, 1600, 1200}, {0, 0}},          // past left and top
        {{0, 0, 1600, 1200}, {2000, 1500}, {0, 0, 1600, 1200}, {0, 0}},          // larger: left and top in sight
        {{-1600, 0, -1200, 300}, {400, 300}, {-1600, 40, 0, 1200}, {-1600, 40}}, // work area off the origin
    };
    for (auto &[owner, size, work, expected] : cases) {
        POINT at = PlaceOverOwner(&owner, size.cx, size.cy, &work);
        EXPECT_TRUE(at.x == expected.x && at.y == expected.y) << "owner left " << owner.left;
    }
}

// Each link keeps only its own text's rectangle, above the controls, so a
// click beside its text opens nothing. Margins and centring are the
// layout's own figures, not checked here.
TEST(AboutWindow, LinksKeepOnlyTheirOwnTextRectangles)
{
    EnsureProgramWindows();
    ShowAboutWindow();
    ASSERT_TRUE(AboutWindow);
    RECT client, close;
    GetClientRect(AboutWindow, &client);
    GetWindowRect(GetDlgItem(AboutWindow, IDOK), &close);
    MapWindowPoints(NULL, AboutWindow, (POINT *)&close, 2);
    for (const AboutLink &link : AboutLinks) {
        EXPECT_LT(link.rect.right - link.rect.left, client.right / 2) << Utf8(link.address);
        EXPECT_TRUE(link.rect.top < link.rect.bottom && link.rect.bottom <= close.top) << Utf8(link.address);
    }
    SendMessageW(AboutWindow, WM_CLOSE, 0, 0);
    PumpMessages();
}
