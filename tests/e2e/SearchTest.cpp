// The real program's search: Ctrl+F opens the bar above the view, Enter
// finds the first match, moves the title to its page and tints it yellow,
// F3 continues with the bar hidden, Esc closes the bar and the view moves
// back up, nothing found leaves the view alone, and Page Down in the bar
// pages the document.
//
// report.pdf holds "needle" on pages 2, 5 (twice) and 9.
#include <string>

#include "tests/e2e/ProgramTest.h"

namespace {

std::wstring Title(int page)
{
    return L"report.pdf - " + std::to_wstring(page) + L"/10 - Folivex";
}

// White page pixels blended half-way towards RGB(255, 230, 0).
bool IsTintedWhite(uint32_t c)
{
    return Red(c) == 255 && Green(c) == 242 && Blue(c) == 127;
}

class SearchE2E : public ProgramTest {
protected:
    HWND edit = nullptr;

    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"report.pdf"))));
        ASSERT_TRUE(WaitForTitle(app.main, Title(1), 10000));
        edit = FindWindowExW(app.main, nullptr, L"Edit", nullptr);
        ASSERT_NE(edit, nullptr);
    }
    // The view's top edge in the main window's client area.
    int ViewTop()
    {
        RECT r;
        GetWindowRect(app.view, &r);
        POINT p = {r.left, r.top};
        ScreenToClient(app.main, &p);
        return p.y;
    }
    HWND Focus()
    {
        GUITHREADINFO info;
        ZeroMemory(&info, sizeof info);
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(app.main, nullptr), &info);
        return info.hwndFocus;
    }
    int TintedPixels(const wchar_t* shotName)
    {
        Screenshot shot;
        EXPECT_TRUE(CaptureClient(app.view, &shot));
        if (shotName) SaveTestShot(shot, shotName);
        return shot.Count(0, 0, shot.width, shot.height, IsTintedWhite);
    }
    void OpenBarAndSearch(const wchar_t* text)
    {
        PressKey(&app, 'F', /*ctrl=*/true);
        ASSERT_TRUE(IsWindowVisible(edit));
        TypeText(&app, text);
        PressKey(&app, VK_RETURN);
    }
};

TEST_F(SearchE2E, CtrlFEnterFindsHighlightsAndF3Continues)
{
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_EQ(ViewTop(), 0);
    EXPECT_EQ(TintedPixels(nullptr), 0);

    PressKey(&app, 'F', /*ctrl=*/true);
    ASSERT_TRUE(IsWindowVisible(edit));
    EXPECT_EQ(Focus(), edit);
    EXPECT_EQ(ViewTop(), 36) << "the bar's strip is 36 pixels at 96 DPI";
    RECT editRect;
    GetWindowRect(edit, &editRect);
    EXPECT_EQ(editRect.bottom - editRect.top, 24);

    TypeText(&app, L"needle");
    PressKey(&app, VK_RETURN);
    EXPECT_TRUE(WaitForTitle(app.main, Title(2), 5000)) << "title: " << WindowTitle(app.main);
    Settle(&app);
    EXPECT_GT(TintedPixels(L"search-first-match"), 100);
    EXPECT_EQ(Focus(), edit) << "the focus stays in the bar";

    // Esc removes the bar, the view moves back up and the tint goes.
    PressKey(&app, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_EQ(ViewTop(), 0);
    EXPECT_EQ(Focus(), app.view);
    Settle(&app);
    EXPECT_EQ(TintedPixels(L"search-bar-closed"), 0);

    // F3 with the bar hidden searches its text again: afresh from page 2,
    // then on to the two matches of page 5 and the one of page 9.
    PressKey(&app, VK_F3);
    EXPECT_TRUE(WaitForTitle(app.main, Title(2), 5000)) << "title: " << WindowTitle(app.main);
    PressKey(&app, VK_F3);
    EXPECT_TRUE(WaitForTitle(app.main, Title(5), 5000)) << "title: " << WindowTitle(app.main);
    PressKey(&app, VK_F3);
    PressKey(&app, VK_F3);
    EXPECT_TRUE(WaitForTitle(app.main, Title(9), 5000)) << "title: " << WindowTitle(app.main);
    Settle(&app);
    EXPECT_GT(TintedPixels(L"search-f3-page9"), 100);
    EXPECT_FALSE(IsWindowVisible(edit));

    // Shift+F3 goes back; F3 past the last match wraps to page 2.
    PressKey(&app, VK_F3, false, /*shift=*/true);
    EXPECT_TRUE(WaitForTitle(app.main, Title(5), 5000)) << "title: " << WindowTitle(app.main);
    PressKey(&app, VK_F3);
    PressKey(&app, VK_F3);
    EXPECT_TRUE(WaitForTitle(app.main, Title(2), 5000)) << "title: " << WindowTitle(app.main);
}

TEST_F(SearchE2E, ShiftEnterSearchesBackwardFromTheCurrentPage)
{
    OpenBarAndSearch(L"needle");
    ASSERT_TRUE(WaitForTitle(app.main, Title(2), 5000));
    PressKey(&app, VK_RETURN, false, /*shift=*/true);
    // Backward from the first match of the document wraps to the last.
    EXPECT_TRUE(WaitForTitle(app.main, Title(9), 5000)) << "title: " << WindowTitle(app.main);
}

TEST_F(SearchE2E, NothingFoundLeavesTheViewAndRemovesTheTint)
{
    OpenBarAndSearch(L"needle");
    ASSERT_TRUE(WaitForTitle(app.main, Title(2), 5000));
    Settle(&app);
    ASSERT_GT(TintedPixels(nullptr), 100);
    PressKey(&app, 'A', /*ctrl=*/true);
    TypeText(&app, L"zebra");
    PressKey(&app, VK_RETURN);
    Settle(&app);
    EXPECT_EQ(WindowTitle(app.main), Title(2));
    EXPECT_EQ(TintedPixels(L"search-not-found"), 0);
    EXPECT_TRUE(IsWindowVisible(edit));
}

TEST_F(SearchE2E, PageDownInTheBarPagesTheDocument)
{
    PressKey(&app, 'F', /*ctrl=*/true);
    ASSERT_TRUE(IsWindowVisible(edit));
    Screenshot before, after;
    ASSERT_TRUE(CaptureClient(app.view, &before));
    for (int i = 0; i < 3; i++) PressKey(&app, VK_NEXT);
    ASSERT_TRUE(CaptureClient(app.view, &after));
    EXPECT_NE(before.pixels, after.pixels) << "the pages moved";
    EXPECT_NE(WindowTitle(app.main), Title(1));
    EXPECT_EQ(Focus(), edit);
    wchar_t text[64] = L"";
    GetWindowTextW(edit, text, 64);
    EXPECT_STREQ(text, L"");
}

TEST_F(SearchE2E, AComicShowsTheMessageInsteadOfTheBar)
{
    StopApp(&app);
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"comic.cbz"))));
    if (!WaitForTitle(app.main, L"comic.cbz - 1/6 - Folivex", 5000)) {
        HWND box = WaitForMessageBox(&app, 1000);
        if (box) DismissMessageBox(box);
        GTEST_SKIP() << "comic books do not open yet";
    }
    edit = FindWindowExW(app.main, nullptr, L"Edit", nullptr);
    PressKey(&app, 'F', /*ctrl=*/true);
    HWND box = WaitForMessageBox(&app, 5000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"A comic is made of images only: there is no text to search.");
    EXPECT_EQ(WindowTitle(box), L"Folivex");
    DismissMessageBox(box);
    EXPECT_FALSE(IsWindowVisible(edit));
}

}  // namespace
