// The real program reading CBR files with the real unrar.dll: non-solid,
// solid and RAR 4 comics open and turn pages; encrypted headers and a
// missing unrar.dll are refused with their messages.
#include "tests/e2e/Driver.h"

const uint32_t RED = 0xDC2828, GREEN = 0x28B43C;

using Cbr = ProgramTest;

TEST_F(Cbr, OpensSolidNonSolidAndRar4Comics)
{
    struct Book {
        const wchar_t *name;
        int pages;
    } books[] = {{L"comic.cbr", 3}, {L"comic-solid.cbr", 3}, {L"comic-rar4.cbr", 2}};
    for (const Book &book : books) {
        std::wstring name = book.name, pages = L"/" + std::to_wstring(book.pages) + L" - Folivex";
        ASSERT_TRUE(StartApp(&app, Fixture((L"rar\\" + name).c_str())));
        ASSERT_TRUE(WaitForTitle(&app, name + L" - 1" + pages));
        Shot shot = StillView(&app);
        EXPECT_EQ(shot.At(shot.width / 2, shot.height / 2), RED) << name;
        Key(&app, VK_NEXT);
        EXPECT_TRUE(WaitForTitle(&app, name + L" - 2" + pages));
        EXPECT_EQ(StillView(&app).At(shot.width / 2, shot.height / 2), GREEN) << name;
        StopApp(&app);
    }
    ASSERT_TRUE(StartApp(&app, Fixture(L"rar\\header-password.cbr")));
    EXPECT_EQ(CloseMessageBox(&app), L"Password-protected document.");
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
    ASSERT_TRUE(WaitForWindow(&app, L"#32770"));
    Type(&app, Fixture(L"rar\\comic.cbr"));
    Key(&app, VK_RETURN);
    EXPECT_EQ(CloseMessageBox(&app), L"Cannot read RAR archives: unrar.dll is missing next to Folivex.exe.");
    EXPECT_TRUE(WaitForTitle(&app, L"report.pdf - 1/10 - Folivex"));
}
