// End-to-end driver for Folivex.exe under Wine; see Driver.h.
#include "tests/e2e/Driver.h"

#include <stdio.h>
#include <fstream>

static const wchar_t SETTINGS_KEY[] = L"Software\\Folivex";

std::wstring Environment(const wchar_t *name)
{
    wchar_t value[1024] = L"";
    GetEnvironmentVariableW(name, value, 1024);
    return value;
}

// Wine takes a process's user interface language from the Unix locale it
// starts in, not from its Windows environment, so a program in another
// language is started as a new Unix process through Wine's spawn entry, with
// LANG and LC_ALL set, and is known by its window: the tests run one at a
// time, each ending its program.
static bool SpawnInLanguage(const std::wstring &exe, const std::wstring &document, const char *language)
{
    typedef LONG(CDECL * UnixSpawn)(char *const argv[], int wait);
    UnixSpawn spawn = (UnixSpawn)(void *)GetProcAddress(GetModuleHandleW(L"ntdll"), "__wine_unix_spawnvp");
    std::string lang = std::string("LANG=") + language, all = "LC_ALL" + lang.substr(4);
    std::string program(2048, '\0'), path(2048, '\0');
    WideCharToMultiByte(CP_UTF8, 0, exe.c_str(), -1, &program[0], 2048, nullptr, nullptr);
    WideCharToMultiByte(CP_UTF8, 0, document.c_str(), -1, &path[0], 2048, nullptr, nullptr);
    char env[] = "/usr/bin/env", wine[] = "wine";
    char *argv[] = {env, &lang[0], &all[0], wine, &program[0], document.empty() ? nullptr : &path[0], nullptr};
    return spawn && spawn(argv, 0) == 0;
}

// A message sent to the program is handled when its thread next reads its
// queue, after whatever it is doing; a few round trips with short pauses let
// earlier input and the paints it causes through.
static void Settle(App *app)
{
    for (int i = 0; i < 4; i++, Sleep(40)) SendMessageTimeoutW(app->main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
}

// Now and then a new Wine process cannot map the page Windows keeps at a
// fixed address ("failed to map the shared user data", a clash that depends
// on where the kernel placed the process's first mappings) and ends before
// it reports to the Wine server; its creator then gets ERROR_INTERNAL_ERROR.
// The process never ran, so it is started again, and the output says so.
static bool StartProcess(const std::wstring &exe, std::wstring line, PROCESS_INFORMATION *info)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    for (int attempt = 1;; attempt++) {
        if (CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, info)) {
            CloseHandle(info->hThread);
            return true;
        }
        DWORD error = GetLastError();
        fprintf(stderr, "cannot start %ls: %lu%s\n", exe.c_str(), error,
                error == ERROR_INTERNAL_ERROR ? ", again" : "");
        if (error != ERROR_INTERNAL_ERROR || attempt == 3) return false;
    }
}

// A program's first window needs Wine's desktop process, which Wine starts
// then without a second try, leaving the program windowless if that start
// fails. So the desktop process is started here first, once, and ended
// again if a desktop was running already.
static void StartDesktop()
{
    static bool started;
    PROCESS_INFORMATION info;
    DWORD owner = 0;
    if (started || !StartProcess(L"C:\\windows\\system32\\explorer.exe", L"explorer.exe /desktop", &info)) return;
    WaitForInputIdle(info.hProcess, 10000);
    GetWindowThreadProcessId(GetDesktopWindow(), &owner);
    if (owner != info.dwProcessId) TerminateProcess(info.hProcess, 0);
    CloseHandle(info.hProcess);
    started = true;
}

bool StartApp(App *app, const std::wstring &document, const char *language)
{
    *app = App();
    std::wstring exe = Environment(L"FOLIVEX_EXE");
    PROCESS_INFORMATION info = {};
    StartDesktop();
    bool started =
        language ? SpawnInLanguage(exe, document, language)
                 : StartProcess(exe, L"\"" + exe + L"\"" + (document.empty() ? L"" : L" \"" + document + L"\""), &info);
    app->pid = info.dwProcessId; // 0 for a spawned program, known by its window alone
    if (started) app->main = WaitForWindow(app, L"Folivex", 20000);
    GetWindowThreadProcessId(app->main, &app->pid);
    const DWORD access = SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE;
    app->process = info.hProcess ? info.hProcess : OpenProcess(access, FALSE, app->pid);
    if (!app->main) fprintf(stderr, "Folivex.exe showed no window\n");
    app->view = FindWindowExW(app->main, nullptr, L"FolivexView", nullptr);
    Settle(app);
    return app->main != nullptr;
}

DWORD StopApp(App *app, DWORD waitMs)
{
    DWORD code = 0;
    if (app->process && WaitForSingleObject(app->process, waitMs) == WAIT_TIMEOUT) TerminateProcess(app->process, 99);
    if (app->process && WaitForSingleObject(app->process, 5000) == WAIT_OBJECT_0)
        GetExitCodeProcess(app->process, &code);
    if (app->process) CloseHandle(app->process);
    *app = App();
    return code;
}

bool WaitUntil(const std::function<bool()> &done, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(30))
        if (GetTickCount() - start > timeoutMs) return false;
    return true;
}

// The text Windows keeps for a window of another process: no message is
// sent, so a hung program cannot hang the test.
std::wstring TextOf(HWND hwnd)
{
    wchar_t text[1024] = L"";
    GetWindowTextW(hwnd, text, 1024);
    return text;
}

testing::AssertionResult WaitForTitle(App *app, const std::wstring &title)
{
    if (WaitUntil([&] { return TextOf(app->main) == title; })) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the title is \"" << TextOf(app->main) << "\", not \"" << title << "\"";
}

HWND WaitForWindow(App *app, const wchar_t *className, DWORD timeoutMs)
{
    HWND window = nullptr;
    auto shown = [&] {
        while ((window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (IsWindowVisible(window) && (!app->pid || owner == app->pid)) return true;
        }
        return false;
    };
    WaitUntil(shown, timeoutMs);
    return window;
}

std::wstring CloseMessageBox(App *app, int button)
{
    HWND box = WaitForWindow(app, L"#32770");
    if (!box) return L"(no message box)";
    std::wstring text = TextOf(GetDlgItem(box, 0xFFFF)); // the static control that holds the text
    PostMessageW(box, WM_COMMAND, button, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return text;
}

// SendInput goes to the thread that is in the foreground when it is
// injected, so the program's window (or a dialog of it) must be active, and
// its thread must know it, before the first event.
static void BringToFront(App *app)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    for (int i = 0; i < 100; i++) {
        HWND foreground = GetForegroundWindow();
        DWORD pid = 0, thread = GetWindowThreadProcessId(foreground, &pid);
        if (pid == app->pid && GetGUIThreadInfo(thread, &info) && info.hwndActive == foreground) return;
        SetForegroundWindow(app->main);
        Sleep(20);
    }
}

// Keys by virtual-key code, pressed in order and released in reverse, then
// the characters of text whatever the keyboard, one event at a time to the
// program made active first.
static void SendKeys(App *app, const std::vector<WORD> &held, const std::wstring &text = L"")
{
    std::vector<INPUT> keys;
    auto add = [&](WORD vk, wchar_t character, DWORD up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk, input.ki.wScan = vk ? (WORD)MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) : character;
        input.ki.dwFlags = up | (vk == VK_NEXT ? KEYEVENTF_EXTENDEDKEY : 0) | (vk ? 0 : KEYEVENTF_UNICODE);
        keys.push_back(input);
    };
    for (WORD vk : held) add(vk, 0, 0);
    for (size_t i = held.size(); i-- > 0;) add(held[i], 0, KEYEVENTF_KEYUP);
    for (wchar_t c : text) add(0, c, 0), add(0, c, KEYEVENTF_KEYUP);
    BringToFront(app);
    for (INPUT &key : keys) SendInput(1, &key, sizeof key);
    Settle(app);
}

void Key(App *app, WORD vk, bool ctrl)
{
    SendKeys(app, ctrl ? std::vector<WORD>{VK_CONTROL, vk} : std::vector<WORD>{vk});
}

void Type(App *app, const std::wstring &text)
{
    SendKeys(app, {}, text);
}

// Absolute coordinates, in 1/65536 of the primary screen. Wine can hold the
// last mouse event back until another arrives, and drops a move to where the
// pointer already is that follows at once: a click ends, after a pause, with
// a move on the spot that lets it through.
void Click(App *app, POINT p)
{
    ClientToScreen(app->view, &p);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    BringToFront(app);
    for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_MOVE}) {
        if (flags == MOUSEEVENTF_MOVE) Settle(app); // the move on the spot
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        SendInput(1, &input, sizeof input);
    }
    Settle(app);
}

// The window's client area as the screen shows it, once two captures in a
// row agree: painting has finished.
Shot StillView(App *app, HWND window)
{
    Settle(app);
    window = window ? window : app->view;
    RECT box = {};
    GetClientRect(window, &box);
    MapWindowPoints(window, nullptr, (POINT *)&box, 2);
    int w = box.right - box.left, h = box.bottom - box.top;
    BITMAPINFO info = {{sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}}; // top-down
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    uint32_t *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, (void **)&bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    Shot shot = {w, h, {}}, previous;
    for (int i = 0; i < 50 && (shot.pixels.empty() || shot.pixels != previous.pixels); i++) {
        Sleep(i ? 100 : 0);
        previous = shot;
        shot.pixels.clear();
        if (bits && BitBlt(memory, 0, 0, w, h, screen, box.left, box.top, SRCCOPY) && GdiFlush())
            for (size_t k = 0; k < (size_t)w * h; k++) shot.pixels.push_back(bits[k] & 0xFFFFFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (shot.pixels.empty()) shot = {1, 1, {0}}; // nothing captured: a black dot fails every check
    return shot;
}

std::wstring Fixture(const wchar_t *name)
{
    return Environment(L"FOLIVEX_FIXTURES") + L"\\" + name;
}

DWORD Setting(const wchar_t *name)
{
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, SETTINGS_KEY, name, RRF_RT_REG_DWORD, nullptr, &value, &size))
        return NO_SETTING;
    return value;
}

void SetSetting(const wchar_t *name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, SETTINGS_KEY, name, REG_DWORD, &value, sizeof value);
}

std::wstring RegText(HKEY root, const std::wstring &key, const std::wstring &name)
{
    wchar_t data[1024] = L"";
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(root, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_ANY, &type, data, &size))
        return L"absent";
    return type == REG_NONE ? L"none" : type == REG_DWORD ? std::to_wstring(data[0] | (DWORD)data[1] << 16) : data;
}

static void SetRegText(HKEY root, const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(), DWORD(value.size() + 1) * sizeof(wchar_t));
}

// Each replaced key's old value after "=", or after "-" the class to remove.
static const wchar_t REPLACED_KEY[] = L"Software\\FolivexTestReplaced";

void ReplaceClass(const std::wstring &key, const std::wstring &value)
{
    HKEY top;
    std::wstring old = L"-" + key.substr(0, key.find(L'\\'));
    if (!RegOpenKeyExW(HKEY_CLASSES_ROOT, old.c_str() + 1, 0, KEY_READ, &top))
        RegCloseKey(top), old = L"=" + RegText(HKEY_CLASSES_ROOT, key);
    if (RegText(HKEY_CURRENT_USER, REPLACED_KEY, key) == L"absent")
        SetRegText(HKEY_CURRENT_USER, REPLACED_KEY, key.c_str(), old);
    SetRegText(HKEY_CLASSES_ROOT, key, nullptr, value);
}

static void RestoreClasses()
{
    HKEY saved;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, REPLACED_KEY, 0, KEY_READ, &saved)) return;
    wchar_t key[512], old[2048];
    for (DWORD i = 0, n = 512, size = sizeof old;
         !RegEnumValueW(saved, i, key, &n, nullptr, nullptr, (BYTE *)old, &size); i++, n = 512, size = sizeof old) {
        if (old[0] == L'=') SetRegText(HKEY_CLASSES_ROOT, key, nullptr, old + 1);
        if (!lstrcmpW(old, L"=absent")) RegDeleteKeyValueW(HKEY_CLASSES_ROOT, key, nullptr); // had no value
        if (old[0] == L'-') RegDeleteTreeW(HKEY_CLASSES_ROOT, old + 1);
    }
    RegCloseKey(saved);
    RegDeleteTreeW(HKEY_CURRENT_USER, REPLACED_KEY);
}

static std::wstring RecordFile()
{
    return Environment(L"FOLIVEX_TEST_OUTPUT") + L"\\opened-uris.txt";
}

void RecordShellOpens(const std::wstring &scheme)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --record-uri \"" + RecordFile() + L"\" \"%1\"";
    ReplaceClass(scheme + L"\\shell\\open\\command", command);
}

std::vector<std::string> Opened(size_t count)
{
    std::vector<std::string> lines;
    for (DWORD start = GetTickCount(); lines.size() < count && GetTickCount() - start < 20000; Sleep(30)) {
        std::ifstream in(RecordFile().c_str());
        lines.clear();
        for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    return lines;
}

void ProgramTest::SetUp()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, SETTINGS_KEY);
    RestoreClasses();
    DeleteFileW(RecordFile().c_str());
    SetSetting(L"HideAboutOnStartup", 1);
}

void ProgramTest::TearDown()
{
    StopApp(&app);
    RegDeleteTreeW(HKEY_CURRENT_USER, SETTINGS_KEY);
    RestoreClasses();
}

// Started by the shell as the handler of an address (RecordShellOpens):
// appends it to the record file and ends. Otherwise runs the tests. The
// tests are built without a console: Wine would give a handler started by
// the shell a console window, which would take the focus and the input
// meant for the program.
int main(int argc, char **argv)
{
    if (argc == 4 && std::string(argv[1]) == "--record-uri")
        return !(std::ofstream(argv[2], std::ios::app) << argv[3] << "\n");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
