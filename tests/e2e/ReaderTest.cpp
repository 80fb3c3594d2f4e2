// The real program as a PDF reader: opening from the command line and the
// Open dialog, painting, scrolling, spreads, zoom, errors and languages.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/ProgramTest.h"

namespace {

const wchar_t kReportTitle[] = L"report.pdf - 1/10 - Folivex";

bool HasHorizontalBar(HWND view)
{
    return (GetWindowLongW(view, GWL_STYLE) & WS_HSCROLL) != 0;
}

// The horizontal bar comes and goes with the strip's width; waits until it
// is as wanted.
bool WaitForHorizontalBar(HWND view, bool wanted)
{
    DWORD start = GetTickCount();
    do {
        if (HasHorizontalBar(view) == wanted) return true;
        Sleep(30);
    } while (GetTickCount() - start < 5000);
    return false;
}

class Reader : public ProgramTest {
protected:
    void StartWith(const std::wstring& args, const wchar_t* language = nullptr)
    {
        ASSERT_TRUE(StartApp(&app, args, language));
    }
    // Opens a file through Ctrl+O: types the path into the dialog's file
    // name box and presses its OK button.
    void OpenThroughDialog(const std::wstring& path)
    {
        PressKey(&app, 'O', /*ctrl=*/true);
        HWND dialog = WaitForMessageBox(&app, 10000);
        ASSERT_NE(dialog, nullptr) << "no Open dialog";
        HWND name = GetDlgItem(dialog, 0x47C);  // the file name combo box
        if (!name) name = GetDlgItem(dialog, 0x480);  // or plain edit
        ASSERT_NE(name, nullptr);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(name, WM_SETTEXT, 0, (LPARAM)path.c_str(), SMTO_NORMAL, 5000, &result);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        DWORD start = GetTickCount();
        while (IsWindow(dialog) && GetTickCount() - start < 10000) Sleep(20);
        ASSERT_FALSE(IsWindow(dialog));
    }
    // The grey column left of a fitted page, and the page itself.
    void ExpectFittedPage(const wchar_t* shotName)
    {
        Screenshot shot;
        ASSERT_TRUE(CaptureClient(app.view, &shot));
        SaveTestShot(shot, shotName);
        EXPECT_EQ(shot.At(2, 300), 0x808080u) << "strip margin";
        EXPECT_EQ(shot.At(shot.width / 2, 3), 0x808080u) << "above the first page";
        int white = shot.Count(8, 8, shot.width - 8, shot.height, [](uint32_t c) { return c == 0xFFFFFFu; });
        int dark = shot.Count(8, 8, shot.width - 8, shot.height, [](uint32_t c) { return IsDark(c); });
        EXPECT_GT(white, shot.width * shot.height / 2);
        EXPECT_GT(dark, 100) << "no text on the page";
    }
};

TEST_F(Reader, OpensTheCommandLineDocumentFittedToTheWidth)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000)) << WindowTitle(app.main);
    Settle(&app);
    ExpectFittedPage(L"reader-report");
    EXPECT_FALSE(HasHorizontalBar(app.view));
    PressKey(&app, 'W', /*ctrl=*/true);
    EXPECT_EQ(WaitForExit(&app, 10000), 0u);
}

TEST_F(Reader, UnquotedPathWithSpacesOpens)
{
    wchar_t folder[1024];
    ASSERT_GT(GetEnvironmentVariableW(L"FOLIVEX_TEST_OUTPUT", folder, 1024), 0u);
    std::wstring dir = std::wstring(folder) + L"\\with spaces";
    CreateDirectoryW(dir.c_str(), nullptr);
    std::wstring path = dir + L"\\my report.pdf";
    ASSERT_TRUE(CopyFileW(FixturePath(L"report.pdf").c_str(), path.c_str(), FALSE));
    StartWith(path);
    EXPECT_TRUE(WaitForTitle(app.main, L"my report.pdf - 1/10 - Folivex", 10000)) << WindowTitle(app.main);
}

TEST_F(Reader, PageDownAndSpaceMoveTheTitleAlong)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000));
    PressKey(&app, VK_NEXT);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 2/10 - Folivex", 5000)) << WindowTitle(app.main);
    PressKey(&app, VK_END);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 10/10 - Folivex", 5000)) << WindowTitle(app.main);
    PressKey(&app, VK_HOME);
    EXPECT_TRUE(WaitForTitle(app.main, kReportTitle, 5000)) << WindowTitle(app.main);
    Settle(&app);
    ExpectFittedPage(L"reader-home");
}

TEST_F(Reader, WheelAndDragScroll)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000));
    for (int i = 0; i < 12; i++) Wheel(&app, app.view, 400, 400, -120);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 2/10 - Folivex", 5000)) << WindowTitle(app.main);
    Drag(&app, app.view, 400, 100, 400, 900);
    EXPECT_TRUE(WaitForTitle(app.main, kReportTitle, 5000)) << WindowTitle(app.main);
}

TEST_F(Reader, SpreadKeysChangeTheTitleAndAreStored)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000));
    PressKey(&app, 'D');
    Settle(&app);
    DWORD value = 99;
    ASSERT_TRUE(ReadSetting(L"DoublePage", &value));
    EXPECT_EQ(value, 1u);
    ASSERT_TRUE(ReadSetting(L"CoverPaired", &value));
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(WindowTitle(app.main), kReportTitle) << "the cover stands alone";
    PressKey(&app, 'D', /*ctrl=*/false, /*shift=*/true);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 1-2/10 - Folivex", 5000)) << WindowTitle(app.main);
    ASSERT_TRUE(ReadSetting(L"CoverPaired", &value));
    EXPECT_EQ(value, 1u);
    // A view height less 48 pixels down: the probe line a third of the way
    // down the view falls on the third row at this size.
    PressKey(&app, VK_NEXT);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 5-6/10 - Folivex", 5000)) << WindowTitle(app.main);

    // The window menu's two-page entry switches back to single pages, with
    // the current page kept at the top.
    PostMessageW(app.main, WM_SYSCOMMAND, 64, 0);
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 5/10 - Folivex", 5000)) << WindowTitle(app.main);
    ASSERT_TRUE(ReadSetting(L"DoublePage", &value));
    EXPECT_EQ(value, 0u);
    ASSERT_TRUE(ReadSetting(L"CoverPaired", &value));
    EXPECT_EQ(value, 1u);
}

TEST_F(Reader, StoredSpreadChoicesApplyAtStart)
{
    WriteSetting(L"DoublePage", 1);
    WriteSetting(L"CoverPaired", 1);
    StartWith(Quoted(FixturePath(L"report.pdf")));
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 1-2/10 - Folivex", 10000)) << WindowTitle(app.main);
}

TEST_F(Reader, CtrlPlusZoomsInAndCtrlZeroFitsAgain)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000));
    Settle(&app);
    ASSERT_FALSE(HasHorizontalBar(app.view));
    PressKey(&app, VK_OEM_PLUS, /*ctrl=*/true);
    ASSERT_TRUE(WaitForHorizontalBar(app.view, true)) << "the zoomed strip is wider than the view";
    Settle(&app);
    Screenshot shot;
    ASSERT_TRUE(CaptureClient(app.view, &shot));
    SaveTestShot(shot, L"reader-zoomed");
    EXPECT_NE(shot.At(2, 300), 0x808080u) << "zoomed about the centre, the left margin has scrolled out";
    PressKey(&app, VK_ADD, /*ctrl=*/true);
    PressKey(&app, '0', /*ctrl=*/true);
    EXPECT_TRUE(WaitForHorizontalBar(app.view, false));
    Settle(&app);
    ExpectFittedPage(L"reader-fitted-again");
    // The keypad plus zooms too, and Ctrl+minus (main and keypad) back below
    // the width.
    PressKey(&app, VK_ADD, /*ctrl=*/true);
    EXPECT_TRUE(WaitForHorizontalBar(app.view, true));
    PressKey(&app, VK_OEM_MINUS, /*ctrl=*/true);
    PressKey(&app, VK_SUBTRACT, /*ctrl=*/true);
    EXPECT_TRUE(WaitForHorizontalBar(app.view, false));
    Settle(&app);
    ASSERT_TRUE(CaptureClient(app.view, &shot));
    EXPECT_EQ(shot.At(30, 300), 0x808080u) << "a narrow strip is centred on grey";
}

TEST_F(Reader, EmptyFileIsRefusedAndThePreviousDocumentStays)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000));
    PressKey(&app, VK_NEXT);
    ASSERT_TRUE(WaitForTitle(app.main, L"report.pdf - 2/10 - Folivex", 5000));
    OpenThroughDialog(FixturePath(L"empty.pdf"));
    HWND box = WaitForMessageBox(&app, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowTitle(box), L"Folivex");
    EXPECT_EQ(MessageBoxText(box), L"Cannot open this file.");
    DismissMessageBox(box);
    Settle(&app);
    EXPECT_EQ(WindowTitle(app.main), L"report.pdf - 2/10 - Folivex");
    // And a good file through the same dialog replaces it, at the top.
    OpenThroughDialog(FixturePath(L"report.pdf"));
    EXPECT_TRUE(WaitForTitle(app.main, kReportTitle, 10000)) << WindowTitle(app.main);
}

TEST_F(Reader, PasswordProtectedDocumentIsRefused)
{
    StartWith(Quoted(FixturePath(L"user-password.pdf")));
    HWND box = WaitForMessageBox(&app, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Password-protected document.");
    DismissMessageBox(box);
    Settle(&app);
    EXPECT_EQ(WindowTitle(app.main), L"Folivex");
}

TEST_F(Reader, FrenchTexts)
{
    StartWith(Quoted(FixturePath(L"empty.pdf")), L"fr_FR.UTF-8");
    HWND box = WaitForMessageBox(&app, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Impossible d'ouvrir ce fichier.");
    DismissMessageBox(box);
    StopApp(&app);

    StartWith(Quoted(FixturePath(L"user-password.pdf")), L"fr_FR.UTF-8");
    box = WaitForMessageBox(&app, 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Document prot\u00e9g\u00e9 par mot de passe.");
    DismissMessageBox(box);
    StopApp(&app);

    StartWith(Quoted(FixturePath(L"report.pdf")), L"fr_FR.UTF-8");
    EXPECT_TRUE(WaitForTitle(app.main, kReportTitle, 10000)) << WindowTitle(app.main);
}

TEST_F(Reader, CloseButtonEndsWithExitCodeZero)
{
    StartWith(Quoted(FixturePath(L"report.pdf")));
    ASSERT_TRUE(WaitForTitle(app.main, kReportTitle, 10000));
    PostMessageW(app.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForExit(&app, 10000), 0u);
}

}  // namespace
