// The installer end to end, in the fresh Wine prefix package-test.sh makes
// for it: a silent install and the registration Windows reads, the installed
// program opening documents and asking once to become the default reader
// (registered, but not the .pdf handler), an upgrade in place, and a silent
// uninstall that keeps the user's settings. The script checks afterwards
// that nothing else is left.
#include "tests/e2e/Driver.h"

#include <process.h>
#include <stdlib.h>

static const std::wstring kCapabilities = L"Software\\Folivex\\Capabilities";
static const std::wstring kUninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Folivex";

// Runs an installer or uninstaller silently to its end: its exit code.
static int RunSilently(const std::wstring &program)
{
    return (int)_wspawnl(_P_WAIT, program.c_str(), (L"\"" + program + L"\"").c_str(), L"/S", nullptr);
}

struct Row {
    std::wstring key, name, value; // an empty name: the key's default value
};

// What the installer writes for Windows, and what it must leave alone: the
// user's choice of a handler for each type.
static std::vector<Row> Registration(const std::wstring &dir)
{
    const std::wstring exe = dir + L"\\Folivex.exe", open = L"\"" + exe + L"\" \"%1\"",
                       classes = L"Software\\Classes\\";
    std::vector<Row> rows = {
        {kCapabilities, L"ApplicationName", L"Folivex"},
        {L"Software\\RegisteredApplications", L"Folivex", kCapabilities},
        {classes + L"Applications\\Folivex.exe\\shell\\open\\command", L"", open},
        {kUninstall, L"DisplayName", L"Folivex"},
        {kUninstall, L"QuietUninstallString", L"\"" + dir + L"\\uninstall.exe\" /S"},
    };
    for (std::wstring type : {L"pdf", L"cbz", L"cbr"}) {
        const std::wstring progId = L"Folivex." + type;
        rows.push_back({kCapabilities + L"\\FileAssociations", L"." + type, progId});
        rows.push_back({classes + progId + L"\\DefaultIcon", L"", exe + L",0"});
        rows.push_back({classes + progId + L"\\shell\\open\\command", L"", open});
        rows.push_back({classes + L"." + type + L"\\OpenWithProgids", progId, L"none"});
        rows.push_back({classes + L"." + type, L"", L"absent"});
    }
    return rows;
}

// Opens a document in the installed program, then closes the About window.
static void OpenAndCloseAbout(App *app, const wchar_t *document, const wchar_t *title)
{
    ASSERT_TRUE(StartApp(app, Fixture(document)));
    // The first start in a new prefix is slow: Wine sets up what the process uses.
    EXPECT_TRUE(WaitUntil([&] { return TextOf(app->main) == title; }, 30000)) << TextOf(app->main);
    ASSERT_TRUE(WaitForWindow(app, L"FolivexAbout"));
    Key(app, VK_ESCAPE);
}

TEST(Package, InstallsRegistersRunsUpgradesAndUninstallsKeepingTheSettings)
{
    const std::wstring dir = _wgetenv(L"LOCALAPPDATA") + std::wstring(L"\\Programs\\Folivex");
    ASSERT_EQ(RunSilently(_wgetenv(L"FOLIVEX_SETUP")), 0);
    for (const wchar_t *file :
         {L"\\Folivex.exe", L"\\pdfium.dll", L"\\unrar.dll", L"\\README.txt", L"\\LICENSES\\UnRAR.txt"})
        EXPECT_NE(GetFileAttributesW((dir + file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
    const std::wstring link =
        _wgetenv(L"APPDATA") + std::wstring(L"\\Microsoft\\Windows\\Start Menu\\Programs\\Folivex.lnk");
    EXPECT_NE(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
    for (const Row &row : Registration(dir))
        EXPECT_EQ(RegText(HKEY_CURRENT_USER, row.key, row.name), row.value) << row.key;

    _wputenv((L"FOLIVEX_EXE=" + dir + L"\\Folivex.exe").c_str());
    App app;
    OpenAndCloseAbout(&app, L"report.pdf", L"report.pdf - 1/10 - Folivex");
    EXPECT_EQ(CloseMessageBox(&app, IDNO).find(L"Folivex is not your default PDF reader."), 0u);
    StopApp(&app);
    OpenAndCloseAbout(&app, L"rar\\comic.cbr", L"comic.cbr - 1/3 - Folivex"); // unrar.dll loads where it was put
    StopApp(&app);

    ASSERT_EQ(RunSilently(_wgetenv(L"FOLIVEX_SETUP")), 0);
    EXPECT_EQ(Setting(L"NeverAskDefault"), 1u) << "an upgrade keeps the settings";
    ASSERT_EQ(RunSilently(dir + L"\\uninstall.exe"), 0);
    // The uninstaller goes on in a copy of itself; its list entry goes last.
    for (int i = 0; i < 300 && RegText(HKEY_CURRENT_USER, kUninstall, L"DisplayName") != L"absent"; i++) Sleep(100);
    EXPECT_EQ(Setting(L"NeverAskDefault"), 1u) << "a silent uninstall keeps the settings";
}
