// End-to-end driver for Folivex.exe under Wine; see Driver.h.
#include "tests/e2e/Driver.h"

#include <stdio.h>
#include <algorithm>

static const DWORD START_TIMEOUT_MS = 20000;
static const wchar_t SETTINGS_KEY[] = L"Software\\Folivex";

std::wstring Environment(const wchar_t *name)
{
    wchar_t value[1024] = L"";
    GetEnvironmentVariableW(name, value, 1024);
    return value;
}

static std::string Utf8(const std::wstring &text)
{
    char out[2048] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return out;
}

// A visible top-level window of the class that belongs to pid or, when pid
// is 0, that is not one of known.
static HWND TopWindow(const wchar_t *className, DWORD pid, const std::vector<HWND> &known = {})
{
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, className, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        bool isKnown = std::find(known.begin(), known.end(), w) != known.end();
        if (IsWindowVisible(w) && (pid ? owner == pid : !isKnown)) return w;
    }
    return nullptr;
}

// Wine takes a process's user interface language from the Unix locale it
// starts in, not from its Windows environment, so a program in another
// language is started as a new Unix process through Wine's spawn entry, with
// LANG and LC_ALL set, and is known by its new window.
static void SpawnInLanguage(App *app, const std::wstring &exe, const std::wstring &document, const char *language)
{
    typedef LONG(CDECL * UnixSpawn)(char *const argv[], int wait);
    UnixSpawn spawn = (UnixSpawn)(void *)GetProcAddress(GetModuleHandleW(L"ntdll"), "__wine_unix_spawnvp");
    std::vector<HWND> known;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"Folivex", nullptr)) != nullptr;) known.push_back(w);
    std::string lang = std::string("LANG=") + language, all = "LC_ALL" + lang.substr(4);
    std::string program = Utf8(exe), path = Utf8(document);
    char env[] = "/usr/bin/env", wine[] = "wine";
    char *argv[] = {env, &lang[0], &all[0], wine, &program[0], document.empty() ? nullptr : &path[0], nullptr};
    if (spawn && spawn(argv, 0) == 0)
        WaitUntil([&] { return (app->main = TopWindow(L"Folivex", 0, known)) != nullptr; }, START_TIMEOUT_MS);
    GetWindowThreadProcessId(app->main, &app->pid);
    app->process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, app->pid);
}

// A message sent to the program is handled when its thread next reads its
// queue, after whatever it is doing; a few round trips with short pauses let
// earlier input and the paints it causes through.
static void Settle(App *app)
{
    for (int i = 0; i < 4; i++) {
        DWORD_PTR result;
        SendMessageTimeoutW(app->main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        Sleep(40);
    }
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
    PROCESS_INFORMATION info;
    StartDesktop();
    if (language) {
        SpawnInLanguage(app, exe, document, language);
    } else if (StartProcess(exe, L"\"" + exe + L"\"" + (document.empty() ? L"" : L" \"" + document + L"\""), &info)) {
        app->process = info.hProcess;
        app->pid = info.dwProcessId;
        auto shownOrEnded = [&] {
            app->main = TopWindow(L"Folivex", app->pid);
            return app->main || WaitForSingleObject(app->process, 0) == WAIT_OBJECT_0;
        };
        WaitUntil(shownOrEnded, START_TIMEOUT_MS);
    }
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
    for (DWORD start = GetTickCount();; Sleep(30)) {
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
    }
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
    WaitUntil([&] { return (window = TopWindow(className, app->pid)) != nullptr; }, timeoutMs);
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

// Ctrl goes down first and up last.
void Key(App *app, WORD vk, bool ctrl)
{
    WORD keys[] = {WORD(ctrl ? VK_CONTROL : 0), vk, vk, WORD(ctrl ? VK_CONTROL : 0)};
    BringToFront(app);
    for (int i = 0; i < 4; i++) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = keys[i];
        input.ki.wScan = (WORD)MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC);
        input.ki.dwFlags = (i < 2 ? 0 : KEYEVENTF_KEYUP) | (keys[i] == VK_NEXT ? KEYEVENTF_EXTENDEDKEY : 0);
        if (keys[i]) SendInput(1, &input, sizeof input);
    }
    Settle(app);
}

void Type(App *app, const std::wstring &text)
{
    BringToFront(app);
    for (wchar_t c : text)
        for (DWORD up : {0, KEYEVENTF_KEYUP}) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            SendInput(1, &input, sizeof input);
        }
    Settle(app);
}

// Absolute coordinates, in 1/65536 of the primary screen.
static void SendMouse(App *app, POINT p, DWORD flags = 0)
{
    ClientToScreen(app->view, &p);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

// Wine can hold the last mouse event back until another arrives, and drops
// a move to where the pointer already is that follows at once: a gesture
// ends, after a pause, with a move on the spot that lets it through.
static void Gesture(App *app, POINT from, POINT to, DWORD down, DWORD up)
{
    BringToFront(app);
    SendMouse(app, from);
    SendMouse(app, from, down);
    for (int i = 1; i <= 8; i++) SendMouse(app, {from.x + (to.x - from.x) * i / 8, from.y + (to.y - from.y) * i / 8});
    SendMouse(app, to, up);
    Settle(app);
    SendMouse(app, to);
    Settle(app);
}

void MoveMouse(App *app, POINT p)
{
    Gesture(app, p, p, 0, 0);
}

void Drag(App *app, POINT from, POINT to)
{
    Gesture(app, from, to, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

static Shot Capture(HWND window)
{
    Shot shot;
    RECT client = {};
    POINT origin = {0, 0};
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (bitmap && BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY)) {
        GdiFlush();
        shot.width = client.right;
        shot.height = client.bottom;
        shot.pixels.assign((uint32_t *)bits, (uint32_t *)bits + (size_t)shot.width * shot.height);
        for (uint32_t &p : shot.pixels) p &= 0xFFFFFF;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

// Painting has finished when two captures in a row agree.
Shot StillView(App *app, HWND window)
{
    Settle(app);
    window = window ? window : app->view;
    Shot shot = Capture(window), previous;
    for (int i = 0; i < 50 && (shot.pixels != previous.pixels || shot.pixels.empty()); i++) {
        Sleep(100);
        previous = shot;
        shot = Capture(window);
    }
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

void ProgramTest::SetUp()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, SETTINGS_KEY);
    SetSetting(L"HideAboutOnStartup", 1);
}

void ProgramTest::TearDown()
{
    StopApp(&app);
    RegDeleteTreeW(HKEY_CURRENT_USER, SETTINGS_KEY);
}
