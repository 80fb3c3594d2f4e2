// End-to-end driver: starts the real Folivex.exe (FOLIVEX_EXE) under Wine and
// works it as a user would: keys and mouse through SendInput, titles, message
// boxes, screenshots of the view and the program's registry settings. Every
// wait is bounded, so a hung program fails a test instead of hanging it.
#pragma once
#include <windows.h>

#include <stdint.h>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct App {
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND main = nullptr; // the top-level window, class "Folivex"
    HWND view = nullptr; // its "FolivexView" child
};

// Starts the program on a document (none when empty) and waits for its
// window. language, a Unix locale such as "fr_FR.UTF-8", sets the user
// interface language.
bool StartApp(App *app, const std::wstring &document = L"", const char *language = nullptr);
// Waits up to waitMs for the program to end, ends it if it still runs, and
// returns its exit code (99 when it had to be ended).
DWORD StopApp(App *app, DWORD waitMs = 0);

bool WaitUntil(const std::function<bool()> &done, DWORD timeoutMs = 10000);
std::wstring TextOf(HWND hwnd);
testing::AssertionResult WaitForTitle(App *app, const std::wstring &title);
// A visible top-level window of the program of the class ("#32770": dialogs
// and message boxes; of any program while app->pid is 0) once one shows;
// null after timeoutMs.
HWND WaitForWindow(App *app, const wchar_t *className, DWORD timeoutMs = 10000);
// The text of the program's message box, which is then closed with the button.
std::wstring CloseMessageBox(App *app, int button = IDOK);

// Input to the program, made active first; points are in view coordinates.
void Key(App *app, WORD vk, bool ctrl = false);
void Type(App *app, const std::wstring &text); // characters, whatever the keyboard
void Click(App *app, POINT p);

// The client area of the view (or of another window of the program) as
// shown on screen once painting has finished: pixels 0x00RRGGBB, rows
// top-down.
struct Shot {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const
    {
        return pixels[(size_t)y * width + x];
    }
    template <typename Test>
    int Count(int x0, int y0, int x1, int y1, Test test) const
    {
        int n = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) n += test(At(x, y)) ? 1 : 0;
        return n;
    }
};
Shot StillView(App *app, HWND window = nullptr);

std::wstring Environment(const wchar_t *name);
std::wstring Fixture(const wchar_t *name);

// The program's settings, DWORD values under HKCU\Software\Folivex.
const DWORD NO_SETTING = ~0u;
DWORD Setting(const wchar_t *name); // NO_SETTING when absent
void SetSetting(const wchar_t *name, DWORD value);

// A value of the registry as text (an empty name: the key's default value):
// "absent", "none" for REG_NONE, a DWORD in decimal.
std::wstring RegText(HKEY root, const std::wstring &key, const std::wstring &name = L"");
// Sets the default value of a key of HKEY_CLASSES_ROOT for one test: the
// old one, or the absence of the class, comes back when the test ends, or
// when the next one starts if this one was killed.
void ReplaceClass(const std::wstring &key, const std::wstring &value);
// Makes this test executable the shell's handler of the URI scheme for one
// test: it appends each address it is handed to a record file (see main).
// Opened gives the addresses recorded once there are at least count.
void RecordShellOpens(const std::wstring &scheme);
std::vector<std::string> Opened(size_t count);

// Each test starts with the settings cleared and the About window off (it
// would cover the view), and leaves no program running nor settings behind.
class ProgramTest : public testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;
    App app;
};
