// The real program's About window and its default-reader question. The
// question's Yes and the window-menu entry hand ms-settings: addresses to
// the shell, whose handler of them is this test (RecordShellOpens).
#include "tests/e2e/Driver.h"

using About = ProgramTest;

TEST_F(About, OpensAtStartUntilTheBoxIsTickedThenOnF1)
{
    RecordShellOpens(L"ms-settings");
    SetSetting(L"HideAboutOnStartup", 0);
    ASSERT_TRUE(StartApp(&app));
    HWND about = WaitForWindow(&app, L"FolivexAbout");
    EXPECT_EQ(TextOf(about), L"About Folivex");
    EXPECT_FALSE(IsWindowEnabled(app.main));
    // The banner, in the icon's teal, drawn over the grey of its box.
    Shot shot = StillView(&app, about);
    auto teal = [](uint32_t c) { return c >> 16 < 0x40 && (c >> 8 & 255) > 0x50 && (c & 255) > 0x50; };
    EXPECT_GT(shot.Count(0, 0, shot.width, shot.height, teal), 1000) << "no banner";

    Key(&app, VK_TAB); // from Close to the check box
    Key(&app, VK_SPACE);
    EXPECT_EQ(Setting(L"HideAboutOnStartup"), 1u) << "stored before the window closes";
    Key(&app, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(app.main));
    StopApp(&app);

    ASSERT_TRUE(StartApp(&app));
    EXPECT_FALSE(WaitForWindow(&app, L"FolivexAbout", 0));
    Key(&app, VK_F1);
    ASSERT_TRUE(about = WaitForWindow(&app, L"FolivexAbout"));
    // F1 again, straight to the view: the disabled window's children still
    // get keys sent to them. The one window stays the only one.
    SendMessageTimeoutW(app.view, WM_KEYDOWN, VK_F1, 0, SMTO_NORMAL, 5000, nullptr);
    EXPECT_FALSE(FindWindowExW(nullptr, FindWindowW(L"FolivexAbout", nullptr), L"FolivexAbout", nullptr));

    // Not registered: the window menu's entry opens the general page.
    Key(&app, VK_ESCAPE);
    PostMessageW(app.main, WM_SYSCOMMAND, 32 /* IDM_DEFAULT_READER */, 0);
    EXPECT_EQ(Opened(1), std::vector<std::string>{"ms-settings:defaultapps"});
}

// Registered, but not the program that opens .pdf files: asked once a run,
// never over the About window, until the answer is No.
TEST_F(About, AsksOnceARunAfterTheAboutWindowUntilNo)
{
    RecordShellOpens(L"ms-settings");
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Folivex\\Capabilities", L"ApplicationName", REG_SZ, L"Folivex", 16);
    SetSetting(L"HideAboutOnStartup", 0);
    ASSERT_TRUE(StartApp(&app, L"", "fr_FR.UTF-8"));
    EXPECT_EQ(TextOf(WaitForWindow(&app, L"FolivexAbout")), L"\u00c0 propos de Folivex");
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 1000)) << "asked over the About window";
    Key(&app, VK_RETURN);
    EXPECT_EQ(TextOf(WaitForWindow(&app, L"#32770")), L"Folivex");
    CloseMessageBox(&app, IDYES);
    EXPECT_EQ(Opened(1), std::vector<std::string>{"ms-settings:defaultapps?registeredAppUser=Folivex"});
    EXPECT_EQ(Setting(L"NeverAskDefault"), NO_SETTING);
    Key(&app, VK_F1); // closing the About window checks again
    ASSERT_TRUE(WaitForWindow(&app, L"FolivexAbout"));
    Key(&app, VK_ESCAPE);
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 2000)) << "asked twice in one run";
    StopApp(&app);

    // .pdf files opened by the program, its path in other letters: not asked.
    SetSetting(L"HideAboutOnStartup", 1);
    std::wstring exe = Environment(L"FOLIVEX_EXE"), pdfClass = RegText(HKEY_CLASSES_ROOT, L".pdf");
    CharUpperW(&exe[0]);
    ReplaceClass(L"FolivexAboutTest\\shell\\open\\command", L"\"" + exe + L"\" \"%1\"");
    ReplaceClass(L".pdf", L"FolivexAboutTest");
    ASSERT_TRUE(StartApp(&app));
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 2000)) << "asked though .pdf files are the program's";
    StopApp(&app);
    ReplaceClass(L".pdf", pdfClass);

    ASSERT_TRUE(StartApp(&app));
    CloseMessageBox(&app, IDNO);
    EXPECT_EQ(Setting(L"NeverAskDefault"), 1u);
    StopApp(&app);
    ASSERT_TRUE(StartApp(&app));
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 2000)) << "asked again after No";
}
