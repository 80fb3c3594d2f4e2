// The real program's thumbnail panel: shown by default at the left, filled
// with miniatures while idle, the current page framed, a click jumping to
// a page, F4 hiding and showing it and remembering the choice.
#include <gtest/gtest.h>

#include "tests/e2e/ProgramTest.h"

namespace
{

const uint32_t kBackground = 0x4A4D55;
const uint32_t kFrame = 0x5B84E8;

class Thumbs : public ProgramTest
{
  protected:
    HWND panel = nullptr;
    Screenshot shot;

    void Start(const wchar_t *name, const std::wstring &title)
    {
        ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(name))));
        ASSERT_TRUE(WaitForTitle(app.main, title, 10000)) << WindowTitle(app.main);
        panel = FindWindowExW(app.main, nullptr, L"FolivexThumbs", nullptr);
        ASSERT_TRUE(panel && IsWindowVisible(panel));
    }
    // The rows [top, bottom) of each miniature: runs of the column that are
    // neither background nor frame, left of the centred page numbers.
    std::vector<std::pair<int, int>> Miniatures()
    {
        Settle(&app);
        CaptureClient(panel, &shot);
        std::vector<std::pair<int, int>> runs;
        for (int y = 0; y < shot.height; y++) {
            uint32_t c = shot.At(22, y);
            if (c == kBackground || c == kFrame) continue;
            if (runs.empty() || runs.back().second != y) runs.push_back({y, y});
            runs.back().second = y + 1;
        }
        return runs;
    }
    // Pixels of the first miniature that pass the test, once idle time has
    // had a chance to fill it in.
    template <typename Test>
    bool FirstMiniatureShows(Test test)
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(100)) {
            auto runs = Miniatures();
            if (!runs.empty() && shot.Count(12, runs[0].first, 108, runs[0].second, test) > 50) return true;
        }
        SaveTestShot(shot, L"thumbs-blank");
        return false;
    }
    int FrameTop()
    {
        Miniatures();
        for (int y = 0; y < shot.height; y++)
            if (shot.At(9, y) == kFrame) return y;
        return -1;
    }
    int ViewWidth()
    {
        RECT r;
        GetClientRect(app.view, &r);
        return r.right;
    }
};

TEST_F(Thumbs, PanelFillsInFollowsThePageJumpsAndToggles)
{
    Start(L"report.pdf", L"report.pdf - 1/10 - Folivex");
    RECT panelRect, viewRect;
    GetWindowRect(panel, &panelRect);
    GetWindowRect(app.view, &viewRect);
    POINT origin = {0, 0};
    ClientToScreen(app.main, &origin);
    EXPECT_EQ(panelRect.left, origin.x);
    EXPECT_EQ(panelRect.right, viewRect.left);
    // The miniatures carry the pages' dark text, the column its background.
    ASSERT_TRUE(FirstMiniatureShows([](uint32_t c) { return Red(c) < 160; }));
    EXPECT_EQ(shot.Count(0, 0, 6, shot.height, [](uint32_t c) { return c == kBackground; }), 6 * shot.height);
    int frame = FrameTop();
    EXPECT_GE(frame, 0);
    PressKey(&app, VK_NEXT);
    for (DWORD t = GetTickCount(); WindowTitle(app.main) == L"report.pdf - 1/10 - Folivex";) {
        ASSERT_LT(GetTickCount() - t, 5000u) << "Page Down did not change the page";
        Sleep(30);
    }
    EXPECT_GT(FrameTop(), frame) << "the frame moves down to the new page";

    auto runs = Miniatures();
    ASSERT_GE(runs.size(), 3u);
    ClickAt(&app, panel, 60, (runs[2].first + runs[2].second) / 2);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 3/10 - Folivex", 5000)) << WindowTitle(app.main);

    int width = ViewWidth();
    DWORD hide = 7;
    PressKey(&app, VK_F4);
    EXPECT_FALSE(IsWindowVisible(panel));
    EXPECT_GT(ViewWidth(), width);
    EXPECT_TRUE(ReadSetting(L"HideThumbs", &hide) && hide == 1);
    PressKey(&app, VK_F4);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(ViewWidth(), width);
    EXPECT_TRUE(ReadSetting(L"HideThumbs", &hide) && hide == 0);
}

TEST_F(Thumbs, ComicMiniaturesAppear)
{
    Start(L"comic.cbz", L"comic.cbz - 1/6 - Folivex");
    // The first page is solid red.
    EXPECT_TRUE(FirstMiniatureShows([](uint32_t c) { return Red(c) > 200 && Green(c) < 60 && Blue(c) < 60; }));
}

} // namespace
