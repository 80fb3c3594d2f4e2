// The installer end to end, in the fresh Wine prefix package-test.sh makes
// for it: a silent install and the registration Windows reads, the installed
// program opening documents and asking once to become the default reader
// (registered, but not the .pdf handler), an upgrade in place, and a silent
// uninstall that takes everything but the user's settings.
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

#include "tests/e2e/ProgramTest.h"

namespace
{

const std::wstring kCapabilities = L"Software\\Folivex\\Capabilities";
const std::wstring kUninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Folivex";

std::wstring Env(const wchar_t *name)
{
    wchar_t value[1024] = L"";
    GetEnvironmentVariableW(name, value, 1024);
    return value;
}

std::wstring InstallDir()
{
    return Env(L"LOCALAPPDATA") + L"\\Programs\\Folivex";
}
std::wstring StartMenuLink()
{
    return Env(L"APPDATA") + L"\\Microsoft\\Windows\\Start Menu\\Programs\\Folivex.lnk";
}
bool Exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs a command line to its end: its exit code, or WAIT_TIMEOUT.
DWORD RunToEnd(std::wstring command)
{
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return ~0u;
    DWORD code = WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0 ? 0 : WAIT_TIMEOUT;
    if (!code) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

// A value of HKCU as text (an empty name is the key's default value):
// "absent", "none" for REG_NONE, a DWORD in decimal.
std::wstring Value(const std::wstring &key, const std::wstring &name)
{
    wchar_t data[1024] = L"";
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_ANY, &type, data,
                     &size))
        return L"absent";
    DWORD number;
    memcpy(&number, data, sizeof number);
    return type == REG_NONE ? L"none" : type == REG_DWORD ? std::to_wstring(number) : data;
}

struct Row {
    std::wstring key;
    std::wstring name;
    std::wstring value;
};

std::vector<Row> Registration()
{
    const std::wstring exe = InstallDir() + L"\\Folivex.exe", open = Quoted(exe) + L" \"%1\"";
    std::vector<Row> rows = {
        {kCapabilities, L"ApplicationName", L"Folivex"},
        {kCapabilities, L"ApplicationDescription",
         L"Minimal reader for PDF and comics (CBZ, CBR): display, printing and search, built to start instantly."},
        {L"Software\\RegisteredApplications", L"Folivex", kCapabilities},
        {L"Software\\Classes\\Applications\\Folivex.exe\\shell\\open\\command", L"", open},
        {kUninstall, L"DisplayName", L"Folivex"},
        {kUninstall, L"InstallLocation", InstallDir()},
        {kUninstall, L"QuietUninstallString", Quoted(InstallDir() + L"\\uninstall.exe") + L" /S"},
    };
    for (std::wstring type : {L"pdf", L"cbz", L"cbr"}) {
        const std::wstring progId = L"Folivex." + type, classes = L"Software\\Classes\\";
        rows.push_back({kCapabilities + L"\\FileAssociations", L"." + type, progId});
        rows.push_back({classes + progId + L"\\DefaultIcon", L"", exe + L",0"});
        rows.push_back({classes + progId + L"\\shell\\open\\command", L"", open});
        rows.push_back({classes + L"." + type + L"\\OpenWithProgids", progId, L"none"});
    }
    return rows;
}

// Opens a document in the installed program, then closes the About window.
void OpenAndCloseAbout(RunningApp *app, const wchar_t *document, const wchar_t *title)
{
    ASSERT_TRUE(StartApp(app, Quoted(FixturePath(document))));
    // The first start in a new prefix is slow: Wine sets up what the process uses.
    EXPECT_TRUE(WaitForTitle(app->main, title, 30000)) << WindowTitle(app->main);
    HWND about = nullptr;
    for (int i = 0; i < 200 && !(about = FindWindowW(L"FolivexAbout", nullptr)); i++) Sleep(50);
    ASSERT_TRUE(about);
    EXPECT_FALSE(WaitForMessageBox(app, 1000)) << "asked over the About window";
    PressKey(app, VK_ESCAPE);
}

TEST(Package, InstallsRegistersRunsUpgradesAndUninstallsKeepingOnlyTheSettings)
{
    const std::wstring setup = Quoted(Env(L"FOLIVEX_SETUP")) + L" /S";
    ASSERT_EQ(RunToEnd(setup), 0u);
    for (const wchar_t *file : {L"Folivex.exe", L"pdfium.dll", L"unrar.dll", L"README.txt", L"LICENSES\\UnRAR.txt"})
        EXPECT_TRUE(Exists(InstallDir() + L"\\" + file)) << file;
    EXPECT_TRUE(Exists(StartMenuLink()));
    for (const Row &row : Registration()) EXPECT_EQ(Value(row.key, row.name), row.value) << row.key;
    for (const wchar_t *type : {L".pdf", L".cbz", L".cbr"})
        EXPECT_EQ(Value(std::wstring(L"Software\\Classes\\") + type, L""), L"absent") << "took over " << type;

    _wputenv((L"FOLIVEX_EXE=" + InstallDir() + L"\\Folivex.exe").c_str());
    RunningApp app;
    OpenAndCloseAbout(&app, L"report.pdf", L"report.pdf - 1/10 - Folivex");
    HWND box = WaitForMessageBox(&app, 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box).find(L"Folivex is not your default PDF reader."), 0u);
    PostMessageW(box, WM_COMMAND, IDNO, 0);
    for (int i = 0; i < 100 && IsWindow(box); i++) Sleep(50);
    StopApp(&app);
    OpenAndCloseAbout(&app, L"rar\\comic.cbr", L"comic.cbr - 1/3 - Folivex"); // unrar.dll loads where it was put
    StopApp(&app);

    ASSERT_EQ(RunToEnd(setup), 0u);
    EXPECT_EQ(Value(L"Software\\Folivex", L"NeverAskDefault"), L"1") << "an upgrade keeps the settings";
    ASSERT_EQ(RunToEnd(Value(kUninstall, L"QuietUninstallString")), 0u);
    // The uninstaller goes on in a copy of itself; its list entry goes last.
    for (int i = 0; i < 300 && Value(kUninstall, L"DisplayName") != L"absent"; i++) Sleep(100);
    EXPECT_FALSE(Exists(InstallDir()));
    EXPECT_FALSE(Exists(StartMenuLink()));
    for (const Row &row : Registration()) EXPECT_EQ(Value(row.key, row.name), L"absent") << row.key;
    EXPECT_EQ(Value(L"Software\\Folivex", L"NeverAskDefault"), L"1") << "a silent uninstall keeps the settings";
}

} // namespace
