// The real program's About window and its default-reader question.
//
// The question's Yes and the window-menu entry hand an ms-settings: address
// to the shell, which has no handler for it under Wine. For this test the
// handler is this executable started with --record-uri, which appends the
// address to a file. Wine's shell reads only the machine's classes
// (HKEY_CLASSES_ROOT), so the test's classes go there; the class
// FolivexAboutTest, created first and removed last, keeps the .pdf class it
// replaces. RestoreClasses undoes everything after each test, from an
// unhandled-exception filter if the test crashes, and at the start of the
// next run if it was killed.
#include <fstream>
#include <iterator>
#include <string>

#include "tests/e2e/ProgramTest.h"

#include <shellapi.h>

namespace
{

const wchar_t kTestClass[] = L"FolivexAboutTest";
const wchar_t kHandlerCommand[] = L"ms-settings\\shell\\open\\command";

std::wstring RecordFile()
{
    return std::wstring(_wgetenv(L"FOLIVEX_TEST_OUTPUT")) + L"\\settings-uris.txt";
}

bool SetClassValue(const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                           (DWORD)((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::wstring ClassValue(const wchar_t *key, const wchar_t *name)
{
    wchar_t value[1024] = L"";
    DWORD size = sizeof value - sizeof(wchar_t);
    RegGetValueW(HKEY_CLASSES_ROOT, key, name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

void RestoreClasses()
{
    std::wstring saved = ClassValue(kTestClass, L"SavedPdfClass"); // "=" and the old class
    if (saved.size() > 1) SetClassValue(L".pdf", nullptr, saved.substr(1));
    if (saved == L"=") RegDeleteKeyValueW(HKEY_CLASSES_ROOT, L".pdf", nullptr);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestClass);
    if (ClassValue(kHandlerCommand, nullptr).find(L"--record-uri") != std::wstring::npos)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ms-settings");
}

bool InstallRecorder()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return ClassValue(kHandlerCommand, nullptr).empty() && SetClassValue(L"ms-settings", L"URL Protocol", L"") &&
           SetClassValue(kHandlerCommand, nullptr,
                         Quoted(self) + L" --record-uri " + Quoted(RecordFile()) + L" \"%1\"");
}

// Everything recorded, once something is.
std::string WaitForRecord()
{
    std::string text;
    for (int i = 0; i < 200 && text.empty(); i++) {
        Sleep(100);
        std::ifstream in(RecordFile().c_str());
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return text;
}

class AboutE2E : public ProgramTest
{
  protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DeleteFileW(RecordFile().c_str());
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        RestoreClasses();
    }
    static void Register()
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Folivex\\Capabilities", L"ApplicationName", REG_SZ, L"Folivex",
                        sizeof L"Folivex");
    }
    static HWND WaitForAbout()
    {
        HWND about = nullptr;
        for (int i = 0; i < 100 && !(about = FindWindowW(L"FolivexAbout", nullptr)); i++) Sleep(50);
        return about;
    }
    void Answer(HWND box, int button)
    {
        PostMessageW(box, WM_COMMAND, button, 0);
        for (int i = 0; i < 100 && IsWindow(box); i++) Sleep(50);
        Settle(&app);
    }
    bool Setting(const wchar_t *name, DWORD expected)
    {
        DWORD value = 0;
        return ReadSetting(name, &value) && value == expected;
    }
};

TEST_F(AboutE2E, OpensAtStartUntilTheBoxIsTickedThenOnF1AndTheWindowMenu)
{
    DeleteSettings();
    ASSERT_TRUE(InstallRecorder());
    ASSERT_TRUE(StartApp(&app, L""));
    HWND about = WaitForAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(WindowTitle(about), L"About Folivex");
    EXPECT_FALSE(IsWindowEnabled(app.main));
    Screenshot shot;
    ASSERT_TRUE(CaptureClient(about, &shot));
    SaveTestShot(shot, L"about");
    auto teal = [](uint32_t c) { return abs(Red(c) - 0x1B) + abs(Green(c) - 0x6F) + abs(Blue(c) - 0x7A) < 48; };
    EXPECT_GT(shot.Count(0, 0, shot.width, shot.height, teal), 1000) << "no banner";

    PressKey(&app, VK_TAB); // from Close to the check box
    PressKey(&app, VK_SPACE);
    EXPECT_TRUE(Setting(L"HideAboutOnStartup", 1)) << "stored before the window closes";
    PressKey(&app, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindowEnabled(app.main));

    StopApp(&app);
    ASSERT_TRUE(StartApp(&app, L""));
    EXPECT_FALSE(FindWindowW(L"FolivexAbout", nullptr));
    PressKey(&app, VK_F1);
    ASSERT_TRUE(about = WaitForAbout());
    // F1 again, straight to the view: the disabled window's children still
    // get posted keys. The one window is still the only one.
    PostMessageW(app.view, WM_KEYDOWN, VK_F1, 0);
    Settle(&app);
    EXPECT_EQ(FindWindowW(L"FolivexAbout", nullptr), about);
    EXPECT_FALSE(FindWindowExW(nullptr, about, L"FolivexAbout", nullptr));

    PressKey(&app, VK_ESCAPE);
    PostMessageW(app.main, WM_SYSCOMMAND, 32 /* IDM_DEFAULT_READER */, 0);
    EXPECT_EQ(WaitForRecord(), "ms-settings:defaultapps\n") << "not registered: the general page";
}

TEST_F(AboutE2E, InFrenchTheQuestionWaitsForTheAboutWindowAndNoEndsIt)
{
    DeleteSettings();
    Register();
    ASSERT_TRUE(StartApp(&app, L"", L"fr_FR.UTF-8"));
    HWND about = WaitForAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(WindowTitle(about), L"\u00c0 propos de Folivex");
    EXPECT_FALSE(WaitForMessageBox(&app, 1000)) << "asked over the About window";
    PressKey(&app, VK_RETURN);
    HWND box = WaitForMessageBox(&app, 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(WindowTitle(box), L"Folivex");
    EXPECT_EQ(MessageBoxText(box).find(L"Folivex n'est pas votre lecteur PDF par d\u00e9faut."), 0u);
    Answer(box, IDNO);
    EXPECT_TRUE(Setting(L"NeverAskDefault", 1));

    StopApp(&app);
    WriteSetting(L"HideAboutOnStartup", 1);
    ASSERT_TRUE(StartApp(&app, L""));
    EXPECT_FALSE(WaitForMessageBox(&app, 2000)) << "asked again after No";
}

TEST_F(AboutE2E, YesOpensTheProgramsOwnPageAndTheQuestionComesOncePerRun)
{
    Register();
    ASSERT_TRUE(InstallRecorder());
    ASSERT_TRUE(StartApp(&app, L""));
    HWND box = WaitForMessageBox(&app, 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box).find(L"Folivex is not your default PDF reader."), 0u);
    Answer(box, IDYES);
    EXPECT_EQ(WaitForRecord(), "ms-settings:defaultapps?registeredAppUser=Folivex\n");
    EXPECT_FALSE(Setting(L"NeverAskDefault", 1));
    // Closing the About window checks again; this run has asked already.
    PressKey(&app, VK_F1);
    ASSERT_TRUE(WaitForAbout());
    PressKey(&app, VK_ESCAPE);
    EXPECT_FALSE(WaitForMessageBox(&app, 2000));
}

TEST_F(AboutE2E, NothingIsAskedWhenTheProgramAlreadyOpensPdfFiles)
{
    Register();
    wchar_t exe[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"FOLIVEX_EXE", exe, MAX_PATH);
    CharUpperW(exe);
    ASSERT_TRUE(SetClassValue(kTestClass, L"SavedPdfClass", L"=" + ClassValue(L".pdf", nullptr)));
    ASSERT_TRUE(SetClassValue(std::wstring(kTestClass) + L"\\shell\\open\\command", nullptr, Quoted(exe) + L" \"%1\""));
    ASSERT_TRUE(SetClassValue(L".pdf", nullptr, kTestClass));
    ASSERT_TRUE(StartApp(&app, L""));
    EXPECT_FALSE(WaitForMessageBox(&app, 2000));
}

} // namespace

// Started by the shell as the ms-settings handler: appends the address to
// the record file and ends. Otherwise runs the tests.
int main(int argc, char **argv)
{
    if (argc == 4 && std::string(argv[1]) == "--record-uri") {
        int n = 0;
        LPWSTR *args = CommandLineToArgvW(GetCommandLineW(), &n);
        if (!args || n != 4) return 1;
        char uri[1024];
        if (!WideCharToMultiByte(CP_UTF8, 0, args[3], -1, uri, sizeof uri, nullptr, nullptr)) return 1;
        std::ofstream(args[2], std::ios::app | std::ios::binary) << uri << "\n";
        return 0;
    }
    RestoreClasses(); // what a run that was killed left behind
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS *) -> LONG {
        RestoreClasses();
        return EXCEPTION_CONTINUE_SEARCH;
    });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
