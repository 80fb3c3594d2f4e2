// The real program's About window and its default-reader question.
//
// The question's Yes and the window-menu entry hand an ms-settings: address
// to the shell, which has no handler for it under Wine. For this test the
// handler is this executable started with --record-uri, which appends the
// address to a file. Wine's shell reads only the machine's classes
// (HKEY_CLASSES_ROOT), so the test's classes go there; the class
// FolivexAboutTest, created first and removed last, keeps the .pdf class it
// replaces. RestoreClasses undoes everything at the end, from an
// unhandled-exception filter if the tests crash, and at the start of the
// next run if one was killed.
#include "tests/e2e/Driver.h"

#include <stdio.h>
#include <fstream>

const wchar_t TEST_CLASS[] = L"FolivexAboutTest", HANDLER[] = L"ms-settings\\shell\\open\\command";
static const std::wstring RECORD = Environment(L"FOLIVEX_TEST_OUTPUT") + L"\\settings-uris.txt";

static std::wstring ClassValue(const std::wstring &key, const wchar_t *name = nullptr)
{
    wchar_t value[1024] = L"";
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

static void SetClassValue(const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(), DWORD(value.size() + 1) * 2);
}

static void RestoreClasses()
{
    std::wstring saved = ClassValue(TEST_CLASS, L"SavedPdfClass");
    if (!saved.empty()) SetClassValue(L".pdf", nullptr, saved);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, TEST_CLASS);
    if (ClassValue(HANDLER).find(L"--record-uri") != std::wstring::npos)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ms-settings");
}

// The address the shell was handed, once it has been; the record is then
// cleared for the next.
static std::string Recorded()
{
    std::string line;
    WaitUntil([&] { return !!std::getline(std::ifstream(RECORD.c_str()), line); });
    DeleteFileW(RECORD.c_str());
    return line;
}

using About = ProgramTest;

TEST_F(About, OpensAtStartUntilTheBoxIsTickedThenOnF1)
{
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
    EXPECT_EQ(Recorded(), "ms-settings:defaultapps");
}

// Registered, but not the program that opens .pdf files: asked once a run,
// never over the About window, until the answer is No.
TEST_F(About, AsksOnceARunAfterTheAboutWindowUntilNo)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Folivex\\Capabilities", L"ApplicationName", REG_SZ, L"Folivex", 16);
    SetSetting(L"HideAboutOnStartup", 0);
    ASSERT_TRUE(StartApp(&app, L"", "fr_FR.UTF-8"));
    EXPECT_EQ(TextOf(WaitForWindow(&app, L"FolivexAbout")), L"\u00c0 propos de Folivex");
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 1000)) << "asked over the About window";
    Key(&app, VK_RETURN);
    EXPECT_EQ(TextOf(WaitForWindow(&app, L"#32770")), L"Folivex");
    CloseMessageBox(&app, IDYES);
    EXPECT_EQ(Recorded(), "ms-settings:defaultapps?registeredAppUser=Folivex");
    EXPECT_EQ(Setting(L"NeverAskDefault"), NO_SETTING);
    Key(&app, VK_F1); // closing the About window checks again
    ASSERT_TRUE(WaitForWindow(&app, L"FolivexAbout"));
    Key(&app, VK_ESCAPE);
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 2000)) << "asked twice in one run";
    StopApp(&app);

    // .pdf files opened by the program, its path in other letters: not asked.
    SetSetting(L"HideAboutOnStartup", 1);
    std::wstring exe = Environment(L"FOLIVEX_EXE"), pdfClass = ClassValue(L".pdf");
    CharUpperW(&exe[0]);
    ASSERT_NE(pdfClass, L"") << "the prefix has no .pdf class to replace";
    SetClassValue(TEST_CLASS, L"SavedPdfClass", pdfClass);
    SetClassValue(std::wstring(TEST_CLASS) + L"\\shell\\open\\command", nullptr, L"\"" + exe + L"\" \"%1\"");
    SetClassValue(L".pdf", nullptr, TEST_CLASS);
    ASSERT_TRUE(StartApp(&app));
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 2000)) << "asked though .pdf files are the program's";
    StopApp(&app);
    SetClassValue(L".pdf", nullptr, pdfClass);

    ASSERT_TRUE(StartApp(&app));
    CloseMessageBox(&app, IDNO);
    EXPECT_EQ(Setting(L"NeverAskDefault"), 1u);
    StopApp(&app);
    ASSERT_TRUE(StartApp(&app));
    EXPECT_FALSE(WaitForWindow(&app, L"#32770", 2000)) << "asked again after No";
}

// Started by the shell as the ms-settings handler: appends the address to
// the record file and ends. Otherwise installs itself as that handler and
// runs the tests. It is built without a console (tests/CMakeLists.txt): a
// console's window would take the focus.
int main(int argc, char **argv)
{
    if (argc == 4 && std::string(argv[1]) == "--record-uri")
        return !(std::ofstream(argv[2], std::ios::app) << argv[3] << "\n");
    RestoreClasses(); // what a run that was killed left behind
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS *) { return RestoreClasses(), LONG(EXCEPTION_CONTINUE_SEARCH); });
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (!ClassValue(HANDLER).empty()) return fprintf(stderr, "the prefix has an ms-settings handler of its own\n"), 1;
    SetClassValue(HANDLER, nullptr, L"\"" + std::wstring(self) + L"\" --record-uri \"" + RECORD + L"\" \"%1\"");
    DeleteFileW(RECORD.c_str());
    atexit(RestoreClasses);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
