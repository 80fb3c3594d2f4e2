// End-to-end driver: starts the real Folivex.exe under Wine, finds its
// windows, sends keyboard and mouse input, reads titles and message boxes,
// captures the screen and reads or writes the program's registry settings.
// Every wait is bounded so that a hung program fails a test instead of
// hanging it.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <string>
#include <vector>

struct RunningApp {
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND main = nullptr;   // top-level window of class "Folivex"
    HWND view = nullptr;   // its "FolivexView" child
};

// Starts Folivex.exe (the path in FOLIVEX_EXE) with the given argument text
// after the quoted program path; an empty args starts it with no argument.
// language, when given (for example L"fr_FR.UTF-8"), becomes the program's
// LANG/LC_ALL so that Wine reports that user interface language; args is then
// at most one path, quoted or not. Waits until the main window is visible and
// has painted. False on timeout.
bool StartApp(RunningApp* app, const std::wstring& args, const wchar_t* language = nullptr);

// Ends the program if it still runs and closes the handles.
void StopApp(RunningApp* app);

// The program's exit code, or WAIT_TIMEOUT if it has not ended in time.
DWORD WaitForExit(RunningApp* app, DWORD timeoutMs);

// Lets the program handle everything sent to it so far (input, paints).
void Settle(RunningApp* app);

std::wstring WindowTitle(HWND hwnd);
bool WaitForTitle(HWND hwnd, const std::wstring& expected, DWORD timeoutMs);

// Real input through SendInput, to the program's window brought to the front.
void PressKey(RunningApp* app, WORD vk, bool ctrl = false, bool shift = false);
void TypeText(RunningApp* app, const std::wstring& text);
void ClickAt(RunningApp* app, HWND hwnd, int x, int y);  // client coordinates
void Drag(RunningApp* app, HWND hwnd, int x0, int y0, int x1, int y1);
void MoveMouse(RunningApp* app, HWND hwnd, int x, int y);
void Wheel(RunningApp* app, HWND hwnd, int x, int y, int delta, bool ctrl = false, bool shift = false);

// Pixels as 0x00RRGGBB, rows top-down.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[(size_t)y * width + x]; }
    // How many pixels of the rectangle [x0, x1) x [y0, y1) satisfy the test.
    template <typename Test> int Count(int x0, int y0, int x1, int y1, Test test) const {
        int n = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++)
                if (test(At(x, y))) n++;
        return n;
    }
};
bool CaptureClient(HWND hwnd, Screenshot* shot);
bool CaptureWindow(HWND hwnd, Screenshot* shot);  // frame included
bool SavePng(const Screenshot& shot, const std::wstring& path);
// Saves under FOLIVEX_TEST_OUTPUT (for looking at after a failure).
void SaveTestShot(const Screenshot& shot, const wchar_t* name);

// A message box ("#32770" dialog) owned by the program, its text, and OK.
HWND WaitForMessageBox(RunningApp* app, DWORD timeoutMs);
std::wstring MessageBoxText(HWND box);
void DismissMessageBox(HWND box);

// A fixture document written by the generators, in FOLIVEX_FIXTURES.
std::wstring FixturePath(const wchar_t* name);

// The program's settings, HKCU\Software\Folivex.
bool ReadSetting(const wchar_t* name, DWORD* value);  // false when absent or not a DWORD
void WriteSetting(const wchar_t* name, DWORD value);
void WriteSettingString(const wchar_t* name, const wchar_t* value);
void DeleteSettings();

// Colour tests for screenshots.
inline int Red(uint32_t c) { return (c >> 16) & 0xFF; }
inline int Green(uint32_t c) { return (c >> 8) & 0xFF; }
inline int Blue(uint32_t c) { return c & 0xFF; }
inline bool IsDark(uint32_t c) { return Red(c) < 96 && Green(c) < 96 && Blue(c) < 96; }
