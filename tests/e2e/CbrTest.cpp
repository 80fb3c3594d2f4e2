// The real program reading CBR files: non-solid, solid and RAR 4 comics open
// and turn pages; encrypted headers and a missing unrar.dll are refused with
// their messages while the open document stays.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/ProgramTest.h"

namespace
{

const uint32_t kRed = 0xDC2828;
const uint32_t kGreen = 0x28B43C;

class Cbr : public ProgramTest
{
  protected:
    // Waits until the centre of the view shows the colour.
    bool WaitForCentre(uint32_t colour)
    {
        Screenshot shot;
        for (int i = 0; i < 100; i++, Sleep(50)) {
            if (CaptureClient(app.view, &shot) && shot.At(shot.width / 2, shot.height / 2) == colour) return true;
        }
        return false;
    }
    // Types the path into the Open dialog (Ctrl+O) and presses OK.
    void OpenThroughDialog(const wchar_t *fixture)
    {
        PressKey(&app, 'O', /*ctrl=*/true);
        HWND dialog = WaitForMessageBox(&app, 10000);
        ASSERT_NE(dialog, nullptr);
        HWND name = GetDlgItem(dialog, 0x47C);
        if (!name) name = GetDlgItem(dialog, 0x480);
        DWORD_PTR result;
        SendMessageTimeoutW(name, WM_SETTEXT, 0, (LPARAM)FixturePath(fixture).c_str(), SMTO_NORMAL, 5000, &result);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 200 && IsWindow(dialog); i++) Sleep(50);
    }
    // The error box's text, after which it is closed.
    std::wstring ErrorText()
    {
        HWND box = WaitForMessageBox(&app, 10000);
        std::wstring text = box ? MessageBoxText(box) : L"(no message)";
        if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 200 && box && IsWindow(box); i++) Sleep(50);
        return text;
    }
};

TEST_F(Cbr, ComicsOpenAndRefusalsKeepTheOpenDocument)
{
    ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(L"rar\\comic.cbr"))));
    ASSERT_TRUE(WaitForTitle(app.main, L"comic.cbr - 1/3 - Folivex", 10000));
    EXPECT_TRUE(WaitForCentre(kRed));
    PressKey(&app, VK_NEXT);
    EXPECT_TRUE(WaitForTitle(app.main, L"comic.cbr - 2/3 - Folivex", 5000));
    EXPECT_TRUE(WaitForCentre(kGreen));

    OpenThroughDialog(L"rar\\comic-solid.cbr");
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-solid.cbr - 1/3 - Folivex", 10000));
    EXPECT_TRUE(WaitForCentre(kRed));
    PressKey(&app, VK_NEXT);
    EXPECT_TRUE(WaitForTitle(app.main, L"comic-solid.cbr - 2/3 - Folivex", 5000));
    EXPECT_TRUE(WaitForCentre(kGreen));

    OpenThroughDialog(L"rar\\comic-rar4.cbr");
    ASSERT_TRUE(WaitForTitle(app.main, L"comic-rar4.cbr - 1/2 - Folivex", 10000));
    EXPECT_TRUE(WaitForCentre(kRed));

    OpenThroughDialog(L"rar\\header-password.cbr");
    EXPECT_EQ(ErrorText(), L"Password-protected document.");
    EXPECT_TRUE(WaitForTitle(app.main, L"comic-rar4.cbr - 1/2 - Folivex", 1000));

    // The program alone in a folder of its own, without unrar.dll.
    PressKey(&app, 'W', /*ctrl=*/true);
    WaitForSingleObject(app.process, 10000);
    CloseHandle(app.process);
    wchar_t exe[MAX_PATH], folder[MAX_PATH];
    GetEnvironmentVariableW(L"FOLIVEX_EXE", exe, MAX_PATH);
    GetEnvironmentVariableW(L"FOLIVEX_TEST_OUTPUT", folder, MAX_PATH);
    std::wstring source = exe, alone = std::wstring(folder) + L"\\no-unrar";
    std::wstring from = source.substr(0, source.find_last_of(L'\\') + 1);
    CreateDirectoryW(alone.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(exe, (alone + L"\\Folivex.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((from + L"pdfium.dll").c_str(), (alone + L"\\pdfium.dll").c_str(), FALSE));
    SetEnvironmentVariableW(L"FOLIVEX_EXE", (alone + L"\\Folivex.exe").c_str());
    bool started = StartApp(&app, Quoted(FixturePath(L"report.pdf")));
    SetEnvironmentVariableW(L"FOLIVEX_EXE", exe);
    ASSERT_TRUE(started);
    ASSERT_TRUE(WaitForTitle(app.main, L"report.pdf - 1/10 - Folivex", 10000));
    OpenThroughDialog(L"rar\\comic.cbr");
    EXPECT_EQ(ErrorText(), L"Cannot read RAR archives: unrar.dll is missing next to Folivex.exe.");
    EXPECT_TRUE(WaitForTitle(app.main, L"report.pdf - 1/10 - Folivex", 1000));
}

} // namespace
