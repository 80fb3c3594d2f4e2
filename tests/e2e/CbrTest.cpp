// The real program reading CBR files with the real unrar.dll: a RAR 4
// comic opens and turns pages; without unrar.dll a CBR is refused with its
// message. Encrypted headers are the unit tests' (RarReader), and the
// message box of a failed open is proven here and by the Reader test.
#include "tests/e2e/Driver.h"

const uint32_t RED = 0xDC2828, GREEN = 0x28B43C;

using Cbr = ProgramTest;

// Solid and non-solid RAR 5 archives are the unit tests' (RarReader); RAR 4
// is read here, through the program's own unrar.dll.
TEST_F(Cbr, OpensARar4Comic)
{
    ASSERT_TRUE(StartApp(&app, Fixture(L"rar\\comic-rar4.cbr")));
    ASSERT_TRUE(WaitForTitle(&app, L"comic-rar4.cbr - 1/2 - Folivex"));
    Shot shot = StillView(&app);
    EXPECT_EQ(shot.At(shot.width / 2, shot.height / 2), RED);
    Key(&app, VK_NEXT);
    EXPECT_TRUE(WaitForTitle(&app, L"comic-rar4.cbr - 2/2 - Folivex"));
    EXPECT_EQ(StillView(&app).At(shot.width / 2, shot.height / 2), GREEN);
}

// The program alone in a folder of its own, without unrar.dll, reading a
// PDF; a CBR chosen in the Open dialog is refused and the PDF stays.
TEST_F(Cbr, WithoutUnrarDllTheOpenDocumentStays)
{
    std::wstring exe = Environment(L"FOLIVEX_EXE"), alone = Environment(L"FOLIVEX_TEST_OUTPUT") + L"\\no-unrar\\";
    CreateDirectoryW(alone.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(exe.c_str(), (alone + L"Folivex.exe").c_str(), FALSE));
    std::wstring engine = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"pdfium.dll";
    ASSERT_TRUE(CopyFileW(engine.c_str(), (alone + L"pdfium.dll").c_str(), FALSE));
    SetEnvironmentVariableW(L"FOLIVEX_EXE", (alone + L"Folivex.exe").c_str());
    bool started = StartApp(&app, Fixture(L"report.pdf"));
    SetEnvironmentVariableW(L"FOLIVEX_EXE", exe.c_str());
    ASSERT_TRUE(started);
    ASSERT_TRUE(WaitForTitle(&app, L"report.pdf - 1/10 - Folivex"));

    Key(&app, 'O', /*ctrl=*/true);
    HWND open = WaitForWindow(&app, L"#32770");
    ASSERT_TRUE(open);
    Type(&app, Fixture(L"rar\\comic.cbr"));
    Key(&app, VK_RETURN);
    // The message box is a dialog too: the Open dialog must be gone first.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(open); }));
    EXPECT_EQ(CloseMessageBox(&app), L"Cannot read RAR archives: unrar.dll is missing next to Folivex.exe.");
    EXPECT_TRUE(WaitForTitle(&app, L"report.pdf - 1/10 - Folivex"));
}
