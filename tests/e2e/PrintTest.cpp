// Printing end to end: the real print dialog driven with keys, and every job
// read back from the private CUPS queue of tests/e2e/print-queue.sh, which
// numbers jobs from 1 and keeps each one's PostScript and its sheets
// rasterised at 30 dpi.
#include "tests/e2e/ProgramTest.h"

#include <dlgs.h>
#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

// The page greys of print.pdf (0.9, 0.75, 0.6, 0.45, 0.3), whose page 3
// is landscape, and the page colours of print.cbz, whose page 2 is.
const uint32_t kGreys[] = {0xE6E6E6, 0xBFBFBF, 0x999999, 0x737373, 0x4D4D4D};
const uint32_t kBlue = 0x2846DC, kRed = 0xDC2828;

std::wstring JobFile(int job, const std::wstring &suffix)
{
    wchar_t folder[1024] = L".";
    GetEnvironmentVariableW(L"FOLIVEX_PRINT_JOBS", folder, 1024);
    return std::wstring(folder) + L"\\" + std::to_wstring(job) + suffix;
}

int JobsDone()
{
    int n = 0;
    while (GetFileAttributesW(JobFile(n + 1, L".done").c_str()) != INVALID_FILE_ATTRIBUTES) n++;
    return n;
}

bool Near(uint32_t expected, uint32_t actual)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (abs((int)(expected >> shift & 255) - (int)(actual >> shift & 255)) > 6) return false;
    return true;
}

// What a sheet shows, from the queue's raster of it: the colour in its
// middle, the quarter its black mark lies in, and whether the page reaches
// to within a twentieth of the sheet's sides, where the printable area ends.
struct Sheet {
    uint32_t middle = 0;
    std::string markCorner;
    bool fillsTheWidth = false;
};

bool ReadSheet(int job, int number, Sheet *sheet)
{
    FILE *file = _wfopen(JobFile(job, L"-" + std::to_wstring(number) + L".ppm").c_str(), L"rb");
    if (!file) return false;
    // "P6", Ghostscript's comment, the size, the largest value.
    char line[256] = "";
    while (fgets(line, sizeof line, file) && (line[0] == 'P' || line[0] == '#')) {
    }
    int w = 0, h = 0;
    sscanf(line, "%d %d", &w, &h);
    std::vector<unsigned char> rgb((size_t)w * h * 3);
    bool ok = fgets(line, sizeof line, file) && fread(rgb.data(), 1, rgb.size(), file) == rgb.size() && !rgb.empty();
    fclose(file);
    if (!ok) return false;
    auto at = [&](size_t x, size_t y) {
        const unsigned char *p = &rgb[(y * w + x) * 3];
        return (uint32_t)(p[0] << 16 | p[1] << 8 | p[2]);
    };
    long long sumX = 0, sumY = 0, marks = 0;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            if ((at(x, y) & 0xC0C0C0) == 0) sumX += x, sumY += y, marks++;
    sheet->middle = at(w / 2, h / 2);
    sheet->markCorner =
        std::string(sumY < marks * (h / 2) ? "top " : "bottom ") + (sumX < marks * (w / 2) ? "left" : "right");
    sheet->fillsTheWidth = Near(sheet->middle, at(w / 20, h / 2)) && Near(sheet->middle, at(w - w / 20, h / 2));
    return true;
}

// The sheets of the next job after `done` finished jobs, and the start of
// its PostScript.
bool WaitForJob(int done, std::vector<Sheet> *sheets, std::string *head)
{
    for (DWORD start = GetTickCount(); JobsDone() <= done; Sleep(100))
        if (GetTickCount() - start > 120000) return false;
    FILE *file = _wfopen(JobFile(done + 1, L".ps").c_str(), L"rb");
    if (!file) return false;
    char buffer[2048];
    head->assign(buffer, fread(buffer, 1, sizeof buffer, file));
    fclose(file);
    Sheet sheet;
    while (ReadSheet(done + 1, (int)sheets->size() + 1, &sheet)) sheets->push_back(sheet), sheet = Sheet();
    return true;
}

class PrintTest : public ProgramTest
{
  protected:
    void Open(const wchar_t *fixture, const std::wstring &title)
    {
        ASSERT_TRUE(StartApp(&app, Quoted(FixturePath(fixture))));
        ASSERT_TRUE(WaitForTitle(app.main, title + L" - Folivex", 10000)) << WindowTitle(app.main);
    }
    // Ctrl+P, and the window it opens, which must be the print dialog.
    HWND OpenPrintDialog()
    {
        PressKey(&app, 'P', true);
        HWND dialog = WaitForMessageBox(&app, 30000);
        EXPECT_TRUE(dialog && WindowTitle(dialog) == L"Print");
        return dialog;
    }
    // Replaces the text of a page-number field, as a user would.
    void SetPageField(HWND dialog, int id, const wchar_t *value)
    {
        ClickAt(&app, GetDlgItem(dialog, id), 4, 4);
        PressKey(&app, VK_END);
        for (int i = 0; i < 5; i++) PressKey(&app, VK_BACK);
        TypeText(&app, value);
    }
    int done = JobsDone();
    std::vector<Sheet> sheets;
    std::string head;
};

// A cancelled dialog sends no job, so the next job is the one for all
// pages, then the range's.
TEST_F(PrintTest, CancelPrintsNothingAllPagesPrintInOrderARangeOnlyItsPages)
{
    Open(L"print.pdf", L"print.pdf - 1/5");
    HWND dialog = OpenPrintDialog();
    ASSERT_TRUE(dialog);
    PressKey(&app, VK_ESCAPE);
    for (int i = 0; i < 300 && IsWindow(dialog); i++) Sleep(50);
    ASSERT_TRUE(OpenPrintDialog());
    PressKey(&app, VK_RETURN);
    ASSERT_TRUE(WaitForJob(done, &sheets, &head)) << "no job reached the queue";
    EXPECT_NE(std::string::npos, head.find("%%Title: print.pdf\n")) << head;
    ASSERT_EQ(5u, sheets.size());
    for (int i = 0; i < 5; i++) {
        SCOPED_TRACE("sheet " + std::to_string(i + 1));
        EXPECT_TRUE(Near(kGreys[i], sheets[i].middle)) << std::hex << sheets[i].middle;
        EXPECT_EQ(i == 2 ? "top right" : "top left", sheets[i].markCorner);
        EXPECT_TRUE(sheets[i].fillsTheWidth);
    }
    ASSERT_TRUE((dialog = OpenPrintDialog()));
    SetPageField(dialog, edt1, L"2");
    SetPageField(dialog, edt2, L"3");
    PressKey(&app, VK_RETURN);
    sheets.clear();
    ASSERT_TRUE(WaitForJob(done + 1, &sheets, &head)) << "no job reached the queue";
    ASSERT_EQ(2u, sheets.size());
    EXPECT_TRUE(Near(kGreys[1], sheets[0].middle));
    EXPECT_TRUE(Near(kGreys[2], sheets[1].middle));
    EXPECT_EQ("top right", sheets[1].markCorner);
}

TEST_F(PrintTest, ComicPagesPrintInTheirColoursTheLandscapeOneTurned)
{
    Open(L"imaging\\print.cbz", L"print.cbz - 1/2");
    ASSERT_TRUE(OpenPrintDialog());
    PressKey(&app, VK_RETURN);
    ASSERT_TRUE(WaitForJob(done, &sheets, &head)) << "no job reached the queue";
    ASSERT_EQ(2u, sheets.size());
    EXPECT_TRUE(Near(kBlue, sheets[0].middle)) << std::hex << sheets[0].middle;
    EXPECT_EQ("top left", sheets[0].markCorner);
    EXPECT_TRUE(Near(kRed, sheets[1].middle)) << std::hex << sheets[1].middle;
    EXPECT_EQ("top right", sheets[1].markCorner);
}

// Keys are handled in order: had Ctrl+P opened the print dialog, Ctrl+O
// would have gone to it and the first dialog would not be Open.
TEST_F(PrintTest, WithoutADocumentCtrlPOpensNoDialog)
{
    ASSERT_TRUE(StartApp(&app, L""));
    PressKey(&app, 'P', true);
    PressKey(&app, 'O', true);
    HWND dialog = WaitForMessageBox(&app, 30000);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(L"Open", WindowTitle(dialog));
    PressKey(&app, VK_ESCAPE);
}

} // namespace
