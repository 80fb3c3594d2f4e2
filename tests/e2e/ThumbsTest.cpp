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
    std::vector<std::pair<int, int>> items; // rows [top, bottom) of each miniature
    int frameTop = -1;

    void Start(const wchar_t *name, const std::wstring &title)
    {
        ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(name))));
        ASSERT_TRUE(WaitForTitle(app.main, title, 10000)) << WindowTitle(app.main);
        panel = FindWindowExW(app.main, nullptr, L"FolivexThumbs", nullptr);
        ASSERT_TRUE(panel && IsWindowVisible(panel));
    }
    // Miniatures are the runs of the column, left of the centred page
    // numbers, that are neither background nor frame.
    void Look()
    {
        Settle(&app);
        CaptureClient(panel, &shot);
        items.clear();
        frameTop = -1;
        for (int y = 0; y < shot.height; y++) {
            uint32_t c = shot.At(22, y);
            if (frameTop < 0 && shot.At(9, y) == kFrame) frameTop = y;
            if (c == kBackground || c == kFrame) continue;
            if (items.empty() || items.back().second != y) items.push_back({y, y});
            items.back().second = y + 1;
        }
    }
    // Once idle time has had a chance to fill in the first miniature.
    template <typename Test>
    bool FirstMiniatureShows(Test test)
    {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(100)) {
            Look();
            if (!items.empty() && shot.Count(12, items[0].first, 108, items[0].second, test) > 50) return true;
        }
        SaveTestShot(shot, L"thumbs-blank");
        return false;
    }
    static RECT Box(HWND hwnd)
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        return r;
    }
};

TEST_F(Thumbs, PanelFillsInFollowsThePageJumpsAndToggles)
{
    Start(L"report.pdf", L"report.pdf - 1/10 - Folivex");
    EXPECT_EQ(Box(panel).right, Box(app.view).left) << "the panel at the left of the view";
    // The miniatures carry the pages' dark text, the column its background.
    ASSERT_TRUE(FirstMiniatureShows([](uint32_t c) { return Red(c) < 160; }));
    EXPECT_EQ(shot.Count(0, 0, 6, shot.height, [](uint32_t c) { return c == kBackground; }), 6 * shot.height);
    int frame = frameTop;
    EXPECT_GE(frame, 0);
    PressKey(&app, VK_NEXT);
    for (DWORD t = GetTickCount(); WindowTitle(app.main) == L"report.pdf - 1/10 - Folivex"; Sleep(30))
        ASSERT_LT(GetTickCount() - t, 5000u) << "Page Down did not change the page";
    Look();
    EXPECT_GT(frameTop, frame) << "the frame moves down to the new page";
    ASSERT_GE(items.size(), 3u);
    ClickAt(&app, panel, 60, (items[2].first + items[2].second) / 2);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 3/10 - Folivex", 5000)) << WindowTitle(app.main);

    int left = Box(app.view).left;
    DWORD hide = 7;
    PressKey(&app, VK_F4);
    EXPECT_FALSE(IsWindowVisible(panel));
    EXPECT_LT(Box(app.view).left, left) << "the view widens";
    EXPECT_TRUE(ReadSetting(L"HideThumbs", &hide) && hide == 1);
    PressKey(&app, VK_F4);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_EQ(Box(app.view).left, left);
    EXPECT_TRUE(ReadSetting(L"HideThumbs", &hide) && hide == 0);
}

TEST_F(Thumbs, ComicMiniaturesAppear)
{
    Start(L"comic.cbz", L"comic.cbz - 1/6 - Folivex");
    // The first page is solid red.
    EXPECT_TRUE(FirstMiniatureShows([](uint32_t c) { return Red(c) > 200 && Green(c) < 60 && Blue(c) < 60; }));
}

} // namespace
