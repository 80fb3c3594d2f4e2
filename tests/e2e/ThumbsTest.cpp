// The real program's thumbnail panel: shown at the left by default, filled
// with miniatures while idle, the current page framed, a click jumping to a
// page, F4 hiding and showing it and storing the choice.
#include "tests/e2e/Driver.h"

const uint32_t BACKGROUND = 0x4A4D55, FRAME = 0x5B84E8;

class Thumbs : public ProgramTest
{
  protected:
    HWND panel = nullptr;
    Shot shot;
    std::vector<int> tops, bottoms; // the rows of each miniature
    int frameTop = -1;

    // Miniatures are the runs of the column, left of the centred page
    // numbers, that are neither background nor frame.
    void Look()
    {
        shot = StillView(&app, panel);
        tops.clear(), bottoms.clear(), frameTop = -1;
        for (int y = 0; y < shot.height; y++) {
            if (frameTop < 0 && shot.At(9, y) == FRAME) frameTop = y;
            if (shot.At(22, y) == BACKGROUND || shot.At(22, y) == FRAME) continue;
            if (bottoms.empty() || bottoms.back() != y) tops.push_back(y), bottoms.push_back(y);
            bottoms.back() = y + 1;
        }
    }
    // Once idle time has drawn the first miniature of the document.
    template <typename Test>
    bool FirstMiniatureShows(const wchar_t *document, Test test)
    {
        auto drawn = [&] { return Look(), !tops.empty() && shot.Count(12, tops[0], 108, bottoms[0], test) > 50; };
        StartApp(&app, Fixture(document));
        return (panel = FindWindowExW(app.main, nullptr, L"FolivexThumbs", nullptr)) && WaitUntil(drawn);
    }
};

TEST_F(Thumbs, PanelFillsInFollowsThePageJumpsAndToggles)
{
    auto left = [](HWND window) {
        RECT box;
        return GetWindowRect(window, &box), box.left;
    };
    ASSERT_TRUE(FirstMiniatureShows(L"report.pdf", [](uint32_t c) { return (c >> 16) < 160; })) << "no text";
    EXPECT_LT(left(panel), left(app.view)) << "the panel is not at the left";
    int frame = frameTop;
    Key(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(&app, L"report.pdf - 2/10 - Folivex"));
    Look();
    EXPECT_GT(frameTop, frame) << "the frame stays";
    ASSERT_GE(tops.size(), 3u);
    POINT third = {60, (tops[2] + bottoms[2]) / 2};
    MapWindowPoints(panel, app.view, &third, 1);
    Click(&app, third);
    EXPECT_TRUE(WaitForTitle(&app, L"report.pdf - 3/10 - Folivex"));

    int viewLeft = left(app.view);
    Key(&app, VK_F4);
    EXPECT_FALSE(IsWindowVisible(panel));
    EXPECT_LT(left(app.view), viewLeft) << "the view does not widen";
    EXPECT_EQ(Setting(L"HideThumbs"), 1u);
    Key(&app, VK_F4);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(left(app.view), viewLeft);
    EXPECT_EQ(Setting(L"HideThumbs"), 0u);
    StopApp(&app);

    auto red = [](uint32_t c) { return c >> 16 > 200 && (c >> 8 & 255) < 60 && (c & 255) < 60; };
    EXPECT_TRUE(FirstMiniatureShows(L"comic.cbz", red)) << "no comic miniature";
}
