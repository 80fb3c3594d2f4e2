// The real program on hostile files: decompression bombs, a looping page
// tree, a lying ZIP64 size and a path past 259 units open as any damaged
// file does, in bounded memory, and the window still closes at once.
#include "tests/e2e/Driver.h"

#include <psapi.h>

const uint32_t PLACEHOLDER = 0xDDDDDD;
const SIZE_T MB = 1 << 20;

using Hostile = ProgramTest;

static PROCESS_MEMORY_COUNTERS Memory(App *app)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    GetProcessMemoryInfo(app->process, &counters, sizeof counters);
    return counters;
}

// Ctrl+W ends the program within 2 s, however busy a file made it: no exit
// code 99 from StopApp, which ends a program that is still running.
static void CloseQuickly(App *app)
{
    Key(app, 'W', /*ctrl=*/true);
    EXPECT_EQ(StopApp(app, 2000), 0u) << "Ctrl+W did not end the program";
}

TEST_F(Hostile, OpensOrFailsInBoundedMemory)
{
    struct {
        std::wstring file;
        int pages, placeholderPage;
    } rows[] = {
        {L"hostile\\huge-page.cbz", 1, 1},                                   // 37,000 x 37,000 PNG
        {L"hostile\\huge-page-2.cbz", 3, 2},                                 // the same as page 2 of 3
        {L"hostile\\zip64-lie.cbz", 1, 1},                                   // the page claims 1 TiB
        {L"hostile\\page-loop.pdf", 1, 0},                                   // a page tree that is its own kid
        {L"hostile\\" + std::wstring(250, L'd') + L"\\deep path.pdf", 1, 0}, // past 259 units
    };
    for (const auto &row : rows) {
        std::wstring name = row.file.substr(row.file.rfind(L'\\') + 1);
        SCOPED_TRACE(testing::Message() << name.c_str());
        ASSERT_TRUE(StartApp(&app, Fixture(row.file.c_str())));
        for (int page = 1; page <= row.pages; page++) {
            if (page > 1) Key(&app, VK_NEXT);
            ASSERT_TRUE(WaitForTitle(&app, name + L" - " + std::to_wstring(page) + L"/" + std::to_wstring(row.pages) +
                                               L" - Folivex"));
            Shot shot = StillView(&app);
            EXPECT_EQ(shot.At(shot.width / 2, shot.height / 2) == PLACEHOLDER, page == row.placeholderPage) << page;
        }
        EXPECT_LT(Memory(&app).PeakWorkingSetSize, 500 * MB);
        CloseQuickly(&app);
    }
}

// A PDF whose content stream inflates to 1 GiB exhausts the engine; the
// next document opened through Ctrl+O still opens and draws, and the
// engine's gigabyte goes back to the system.
TEST_F(Hostile, EngineRecoversAfterAContentBomb)
{
    ASSERT_TRUE(StartApp(&app, Fixture(L"hostile\\content-bomb.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, L"content-bomb.pdf - 1/1 - Folivex"));
    StillView(&app);
    Key(&app, 'O', /*ctrl=*/true);
    HWND dialog = WaitForWindow(&app, L"#32770");
    ASSERT_TRUE(dialog);
    SetDlgItemTextW(dialog, 0x47C, Fixture(L"hostile\\small.pdf").c_str()); // the file name box
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForTitle(&app, L"small.pdf - 1/1 - Folivex"));
    Shot shot = StillView(&app);
    EXPECT_EQ(shot.At(shot.width / 2, shot.height / 2), 0x0000FF) << "the page is not drawn";
    EXPECT_LT(Memory(&app).WorkingSetSize, 300 * MB);
    CloseQuickly(&app);
}
