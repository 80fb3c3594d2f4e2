// The program starts, shows its empty window with the hint, and ends on Ctrl+W.
#include "tests/e2e/ProgramTest.h"

namespace {

struct Bounds {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

// The box around every dark (text) pixel of the shot.
Bounds DarkPixelBounds(const Screenshot& shot)
{
    Bounds b;
    for (int y = 0; y < shot.height; y++)
        for (int x = 0; x < shot.width; x++)
            if (IsDark(shot.At(x, y))) {
                if (x < b.left) b.left = x;
                if (x > b.right) b.right = x;
                if (y < b.top) b.top = y;
                if (y > b.bottom) b.bottom = y;
            }
    return b;
}

class Smoke : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(StartApp(&app, L""));
    }
};

TEST_F(Smoke, EmptyWindowShowsCentredHintAndEndsOnCtrlW)
{
    EXPECT_EQ(WindowTitle(app.main), L"Folivex");
    ASSERT_NE(app.view, nullptr);

    // 900 x 1000 at the 96 DPI that Wine reports here.
    RECT frame;
    GetWindowRect(app.main, &frame);
    EXPECT_EQ(frame.right - frame.left, 900);
    EXPECT_EQ(frame.bottom - frame.top, 1000);

    Screenshot shot;
    ASSERT_TRUE(CaptureClient(app.view, &shot));
    SaveTestShot(shot, L"smoke-empty");
    // Grey everywhere but the text.
    EXPECT_EQ(shot.At(0, 0), 0x808080u);
    EXPECT_EQ(shot.At(shot.width - 1, shot.height - 1), 0x808080u);
    EXPECT_EQ(shot.At(shot.width / 2, 10), 0x808080u);

    // One line of text, centred in both directions.
    Bounds text = DarkPixelBounds(shot);
    ASSERT_GE(text.right, 0) << "no hint text drawn";
    EXPECT_LT(text.bottom - text.top, 20) << "the hint is one line";
    EXPECT_GT(text.right - text.left, 200);
    EXPECT_NEAR((text.left + text.right) / 2.0, shot.width / 2.0, 3.0);
    EXPECT_NEAR((text.top + text.bottom) / 2.0, shot.height / 2.0, 4.0);

    PressKey(&app, 'W', /*ctrl=*/true);
    EXPECT_EQ(WaitForExit(&app, 10000), 0u);
}

// The hint is in French when the user interface language is French: its
// line is wider than the English one, and still centred.
TEST_F(Smoke, FrenchUserInterfaceGetsFrenchHint)
{
    Screenshot english;
    ASSERT_TRUE(CaptureClient(app.view, &english));
    StopApp(&app);

    ASSERT_TRUE(StartApp(&app, L"", L"fr_FR.UTF-8"));
    Screenshot french;
    ASSERT_TRUE(CaptureClient(app.view, &french));
    SaveTestShot(french, L"smoke-empty-fr");
    Bounds en = DarkPixelBounds(english), fr = DarkPixelBounds(french);
    ASSERT_GE(fr.right, 0);
    EXPECT_GT(fr.right - fr.left, en.right - en.left + 20);
    EXPECT_NEAR((fr.left + fr.right) / 2.0, french.width / 2.0, 3.0);
}

TEST_F(Smoke, CloseButtonEndsWithExitCodeZero)
{
    PostMessageW(app.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForExit(&app, 10000), 0u);
}

}  // namespace
