// End-to-end driver for Folivex.exe under Wine; see Driver.h.
#include "tests/e2e/Driver.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const DWORD START_TIMEOUT_MS = 20000;

static std::wstring EnvironmentValue(const wchar_t* name)
{
    wchar_t buffer[2048];
    DWORD n = GetEnvironmentVariableW(name, buffer, 2048);
    if (n == 0 || n >= 2048) return std::wstring();
    return std::wstring(buffer, n);
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

static BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    WindowSearch* search = (WindowSearch*)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd)) return TRUE;
    wchar_t name[64];
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, search->className) != 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

static HWND FindProcessWindow(DWORD pid, const wchar_t* className)
{
    WindowSearch search = {pid, className, nullptr};
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.found;
}

// Wine takes a process's user interface language from the Unix locale it
// was started with, not from its Windows environment, so a program in
// another language is started as a new Unix process through Wine's own
// spawn entry, with LANG and LC_ALL set. Its Windows process id is learnt
// from its window.
typedef LONG(CDECL* UnixSpawn)(char* const argv[], int wait);  // an NTSTATUS

static std::string Narrow(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    return out;
}

struct NewWindowSearch {
    const std::vector<HWND>* before;
    HWND found;
};

static BOOL CALLBACK CollectMainWindow(HWND hwnd, LPARAM lParam)
{
    wchar_t name[64];
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, L"Folivex") == 0) ((std::vector<HWND>*)lParam)->push_back(hwnd);
    return TRUE;
}

static BOOL CALLBACK MatchNewMainWindow(HWND hwnd, LPARAM lParam)
{
    NewWindowSearch* search = (NewWindowSearch*)lParam;
    wchar_t name[64];
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, L"Folivex") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    for (HWND old : *search->before)
        if (old == hwnd) return TRUE;
    search->found = hwnd;
    return FALSE;
}

static bool SpawnInLanguage(RunningApp* app, const std::wstring& exe, const std::wstring& args,
                            const wchar_t* language)
{
    UnixSpawn spawn = (UnixSpawn)(void*)GetProcAddress(GetModuleHandleW(L"ntdll"), "__wine_unix_spawnvp");
    if (!spawn) {
        fprintf(stderr, "starting in another language needs Wine\n");
        return false;
    }
    std::vector<HWND> before;
    EnumWindows(CollectMainWindow, (LPARAM)&before);

    // One argument at most: the path, without the quotes (Wine quotes it).
    std::wstring path = args;
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
    std::string lang = "LANG=" + Narrow(language), all = "LC_ALL=" + Narrow(language);
    std::string loader = GetFileAttributesW(L"Z:\\usr\\lib\\wine\\wine64") != INVALID_FILE_ATTRIBUTES
                             ? "/usr/lib/wine/wine64" : "wine";
    std::string program = Narrow(exe), argument = Narrow(path);
    std::vector<char*> argv = {(char*)"/usr/bin/env", &lang[0], &all[0], &loader[0], &program[0]};
    if (!argument.empty()) argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    if (spawn(argv.data(), 0) != 0) return false;

    NewWindowSearch search = {&before, nullptr};
    DWORD start = GetTickCount();
    while (!search.found && GetTickCount() - start < START_TIMEOUT_MS) {
        Sleep(50);
        EnumWindows(MatchNewMainWindow, (LPARAM)&search);
    }
    if (!search.found) {
        fprintf(stderr, "Folivex.exe showed no window within %lu ms\n", START_TIMEOUT_MS);
        return false;
    }
    app->main = search.found;
    GetWindowThreadProcessId(app->main, &app->pid);
    app->process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, app->pid);
    app->view = FindWindowExW(app->main, nullptr, L"FolivexView", nullptr);
    Settle(app);
    return app->process != nullptr;
}

bool StartApp(RunningApp* app, const std::wstring& args, const wchar_t* language)
{
    *app = RunningApp();
    std::wstring exe = EnvironmentValue(L"FOLIVEX_EXE");
    if (exe.empty()) {
        fprintf(stderr, "FOLIVEX_EXE is not set\n");
        return false;
    }
    if (language) return SpawnInLanguage(app, exe, args, language);

    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!args.empty()) commandLine += L" " + args;
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(0);

    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    if (!CreateProcessW(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        fprintf(stderr, "CreateProcessW failed: %lu\n", GetLastError());
        return false;
    }
    CloseHandle(info.hThread);
    app->process = info.hProcess;
    app->pid = info.dwProcessId;

    DWORD start = GetTickCount();
    while (GetTickCount() - start < START_TIMEOUT_MS) {
        app->main = FindProcessWindow(app->pid, L"Folivex");
        if (app->main) {
            app->view = FindWindowExW(app->main, nullptr, L"FolivexView", nullptr);
            Settle(app);
            return true;
        }
        if (WaitForSingleObject(app->process, 50) == WAIT_OBJECT_0) {
            fprintf(stderr, "Folivex.exe ended before showing its window\n");
            return false;
        }
    }
    fprintf(stderr, "Folivex.exe showed no window within %lu ms\n", START_TIMEOUT_MS);
    return false;
}

void StopApp(RunningApp* app)
{
    if (!app->process) return;
    if (WaitForSingleObject(app->process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(app->process, 99);
        WaitForSingleObject(app->process, 5000);
    }
    CloseHandle(app->process);
    *app = RunningApp();
}

DWORD WaitForExit(RunningApp* app, DWORD timeoutMs)
{
    if (WaitForSingleObject(app->process, timeoutMs) != WAIT_OBJECT_0) return WAIT_TIMEOUT;
    DWORD code = 0;
    GetExitCodeProcess(app->process, &code);
    return code;
}

// A message sent to the program's window is handled only when its UI thread
// reaches its message loop again, after whatever it was doing; a few round
// trips with short pauses let posted input and the resulting paints through.
void Settle(RunningApp* app)
{
    for (int i = 0; i < 4; i++) {
        DWORD_PTR result;
        if (app->main && IsWindow(app->main))
            SendMessageTimeoutW(app->main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        Sleep(40);
    }
}

std::wstring WindowTitle(HWND hwnd)
{
    wchar_t buffer[1024];
    // WM_GETTEXT through SendMessageTimeout: a hung program gives "".
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, (LPARAM)buffer, SMTO_NORMAL, 5000, &length))
        return std::wstring();
    return std::wstring(buffer, length);
}

bool WaitForTitle(HWND hwnd, const std::wstring& expected, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        if (WindowTitle(hwnd) == expected) return true;
        Sleep(30);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

// Input from SendInput goes to whichever thread is in the foreground when
// it is injected, so the program's window (or a dialog of it) must be active
// and the program's thread must know it before the first event is sent.
static bool ProgramIsActive(RunningApp* app)
{
    HWND foreground = GetForegroundWindow();
    DWORD pid = 0;
    DWORD thread = GetWindowThreadProcessId(foreground, &pid);
    if (!foreground || pid != app->pid) return false;
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread, &info) && info.hwndActive == foreground;
}

static void BringToFront(RunningApp* app)
{
    if (ProgramIsActive(app)) return;
    for (int attempt = 0; attempt < 100 && !ProgramIsActive(app); attempt++) {
        SetForegroundWindow(app->main);
        Sleep(20);
    }
    Settle(app);
}

static void SendKeyEvent(WORD vk, bool up)
{
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = (WORD)MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_PRIOR || vk == VK_NEXT || vk == VK_HOME || vk == VK_END || vk == VK_LEFT ||
        vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_DELETE || vk == VK_INSERT)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &input, sizeof input);
}

void PressKey(RunningApp* app, WORD vk, bool ctrl, bool shift)
{
    BringToFront(app);
    if (ctrl) SendKeyEvent(VK_CONTROL, false);
    if (shift) SendKeyEvent(VK_SHIFT, false);
    SendKeyEvent(vk, false);
    SendKeyEvent(vk, true);
    if (shift) SendKeyEvent(VK_SHIFT, true);
    if (ctrl) SendKeyEvent(VK_CONTROL, true);
    Settle(app);
}

void TypeText(RunningApp* app, const std::wstring& text)
{
    BringToFront(app);
    for (wchar_t c : text) {
        INPUT input[2];
        ZeroMemory(input, sizeof input);
        for (int i = 0; i < 2; i++) {
            input[i].type = INPUT_KEYBOARD;
            input[i].ki.wScan = c;
            input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, input, sizeof(INPUT));
    }
    Settle(app);
}

// Absolute mouse coordinates are in 1/65536 of the primary screen.
static void SendMouse(DWORD flags, int screenX, int screenY, int wheel = 0)
{
    INPUT input;
    ZeroMemory(&input, sizeof input);
    input.type = INPUT_MOUSE;
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = MulDiv(screenX, 65536, width) + 1;
    input.mi.dy = MulDiv(screenY, 65536, height) + 1;
    input.mi.mouseData = (DWORD)wheel;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

static POINT ToScreen(HWND hwnd, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

void MoveMouse(RunningApp* app, HWND hwnd, int x, int y)
{
    BringToFront(app);
    POINT p = ToScreen(hwnd, x, y);
    SendMouse(0, p.x, p.y);
    Settle(app);
}

void ClickAt(RunningApp* app, HWND hwnd, int x, int y)
{
    BringToFront(app);
    POINT p = ToScreen(hwnd, x, y);
    SendMouse(0, p.x, p.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN, p.x, p.y);
    SendMouse(MOUSEEVENTF_LEFTUP, p.x, p.y);
    // Wine can hold the last mouse message back until another input event
    // arrives: a move on the spot lets the button-up through.
    SendMouse(0, p.x, p.y);
    Settle(app);
}

void Drag(RunningApp* app, HWND hwnd, int x0, int y0, int x1, int y1)
{
    BringToFront(app);
    POINT a = ToScreen(hwnd, x0, y0), b = ToScreen(hwnd, x1, y1);
    SendMouse(0, a.x, a.y);
    SendMouse(MOUSEEVENTF_LEFTDOWN, a.x, a.y);
    Settle(app);
    const int steps = 8;
    for (int i = 1; i <= steps; i++)
        SendMouse(0, a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps);
    Settle(app);
    SendMouse(MOUSEEVENTF_LEFTUP, b.x, b.y);
    SendMouse(0, b.x, b.y);  // lets the button-up through, as in ClickAt
    Settle(app);
}

void Wheel(RunningApp* app, HWND hwnd, int x, int y, int delta, bool ctrl, bool shift)
{
    BringToFront(app);
    POINT p = ToScreen(hwnd, x, y);
    SendMouse(0, p.x, p.y);
    if (ctrl) SendKeyEvent(VK_CONTROL, false);
    if (shift) SendKeyEvent(VK_SHIFT, false);
    SendMouse(MOUSEEVENTF_WHEEL, p.x, p.y, delta);
    if (shift) SendKeyEvent(VK_SHIFT, true);
    if (ctrl) SendKeyEvent(VK_CONTROL, true);
    Settle(app);
}

// A rectangle of the screen as it is: what a user would see there,
// including anything that covers the window.
static bool CaptureScreenRect(int left, int top, int width, int height, Screenshot* shot)
{
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, old);
        if (ok) {
            shot->width = width;
            shot->height = height;
            shot->pixels.assign((const uint32_t*)bits, (const uint32_t*)bits + (size_t)width * height);
            for (uint32_t& p : shot->pixels) p &= 0x00FFFFFF;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool CaptureClient(HWND hwnd, Screenshot* shot)
{
    RECT client;
    if (!GetClientRect(hwnd, &client)) return false;
    POINT origin = ToScreen(hwnd, 0, 0);
    return CaptureScreenRect(origin.x, origin.y, client.right, client.bottom, shot);
}

bool CaptureWindow(HWND hwnd, Screenshot* shot)
{
    RECT frame;
    if (!GetWindowRect(hwnd, &frame)) return false;
    return CaptureScreenRect(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, shot);
}

// PNG with stored (uncompressed) deflate blocks: simple, and the files are
// only for people to look at.
static uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0)
{
    crc = ~crc;
    for (size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

static void PutBigEndian(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back((uint8_t)(v >> 24));
    out.push_back((uint8_t)(v >> 16));
    out.push_back((uint8_t)(v >> 8));
    out.push_back((uint8_t)v);
}

static void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body)
{
    PutBigEndian(out, (uint32_t)body.size());
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

bool SavePng(const Screenshot& shot, const std::wstring& path)
{
    std::vector<uint8_t> raw;
    for (int y = 0; y < shot.height; y++) {
        raw.push_back(0);
        for (int x = 0; x < shot.width; x++) {
            uint32_t c = shot.At(x, y);
            raw.push_back((uint8_t)Red(c));
            raw.push_back((uint8_t)Green(c));
            raw.push_back((uint8_t)Blue(c));
        }
    }
    std::vector<uint8_t> zlib = {0x78, 0x01};
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
        bool last = at + n >= raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back((uint8_t)n);
        zlib.push_back((uint8_t)(n >> 8));
        zlib.push_back((uint8_t)~n);
        zlib.push_back((uint8_t)(~n >> 8));
        zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + n);
        if (last) break;
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian(header, (uint32_t)shot.width);
    PutBigEndian(header, (uint32_t)shot.height);
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});

    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    bool ok = fwrite(png.data(), 1, png.size(), f) == png.size();
    return fclose(f) == 0 && ok;
}

void SaveTestShot(const Screenshot& shot, const wchar_t* name)
{
    std::wstring folder = EnvironmentValue(L"FOLIVEX_TEST_OUTPUT");
    if (folder.empty()) return;
    SavePng(shot, folder + L"\\" + name + L".png");
}

HWND WaitForMessageBox(RunningApp* app, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        HWND box = FindProcessWindow(app->pid, L"#32770");
        if (box) return box;
        Sleep(30);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::wstring MessageBoxText(HWND box)
{
    // The message text of a message box is the static control with id 0xFFFF.
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowTitle(text) : std::wstring();
}

void DismissMessageBox(HWND box)
{
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD start = GetTickCount();
    while (IsWindow(box) && GetTickCount() - start < 5000) Sleep(20);
}

std::wstring FixturePath(const wchar_t* name)
{
    return EnvironmentValue(L"FOLIVEX_FIXTURES") + L"\\" + name;
}

static const wchar_t SETTINGS_KEY[] = L"Software\\Folivex";

bool ReadSetting(const wchar_t* name, DWORD* value)
{
    DWORD size = sizeof *value;
    return RegGetValueW(HKEY_CURRENT_USER, SETTINGS_KEY, name, RRF_RT_REG_DWORD, nullptr, value, &size) ==
           ERROR_SUCCESS;
}

void WriteSetting(const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, SETTINGS_KEY, name, REG_DWORD, &value, sizeof value);
}

void WriteSettingString(const wchar_t* name, const wchar_t* value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, SETTINGS_KEY, name, REG_SZ, value,
                    (DWORD)((wcslen(value) + 1) * sizeof(wchar_t)));
}

void DeleteSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, SETTINGS_KEY);
}
