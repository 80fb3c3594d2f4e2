// Printing end to end: the real print dialog driven with keys, and every job
// read back from the private CUPS queue of tests/e2e/print-queue.sh, which
// numbers jobs from 1 and keeps each one's name and its sheets rasterised at
// 30 dpi.
#include "tests/e2e/Driver.h"

#include <dlgs.h>

#include <fstream>

// The page greys of print.pdf, whose page 3 is landscape, and the page
// colours of print.cbz, whose page 2 is.
const uint32_t GREYS[] = {0xE6E6E6, 0xBFBFBF, 0x999999, 0x737373, 0x4D4D4D}, BLUE = 0x2846DC, RED = 0xDC2828;

static std::wstring JobFile(int job, const std::wstring &suffix)
{
    return Environment(L"FOLIVEX_PRINT_JOBS") + L"\\" + std::to_wstring(job) + suffix;
}

static int JobsDone()
{
    int n = 0;
    while (GetFileAttributesW(JobFile(n + 1, L".done").c_str()) != INVALID_FILE_ATTRIBUTES) n++;
    return n;
}

// What a sheet shows: the colour in its middle, the quarter its black mark
// lies in, and whether the page reaches to within a twentieth of the
// sheet's sides, where the printable area ends.
struct Sheet {
    uint32_t middle;
    std::string mark;
    bool fillsTheWidth;
};

static bool Near(uint32_t expected, uint32_t actual)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (abs(int(expected >> shift & 255) - int(actual >> shift & 255)) > 6) return false;
    return true;
}

// Sheet n of a job from the queue's raster of it: "P6", Ghostscript's
// comment, the size, the largest value, then the pixels.
static bool ReadSheet(int job, int n, Sheet *sheet)
{
    std::ifstream in(JobFile(job, L"-" + std::to_wstring(n) + L".ppm").c_str(), std::ios::binary);
    Shot shot;
    in.ignore(99, '\n').ignore(99, '\n') >> shot.width >> shot.height;
    std::vector<unsigned char> rgb(size_t(shot.width) * shot.height * 3);
    if (!in.ignore(99, '\n').ignore(99, '\n').read((char *)rgb.data(), rgb.size()) || rgb.empty()) return false;
    for (size_t i = 0; i < rgb.size(); i += 3) shot.pixels.push_back(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
    auto black = [](uint32_t c) { return (c & 0xC0C0C0) == 0; };
    int w = shot.width, h = shot.height, marks = shot.Count(0, 0, w, h, black);
    bool top = shot.Count(0, 0, w, h / 2, black) * 2 > marks, left = shot.Count(0, 0, w / 2, h, black) * 2 > marks;
    sheet->middle = shot.At(w / 2, h / 2);
    sheet->mark = std::string(top ? "top " : "bottom ") + (left ? "left" : "right");
    sheet->fillsTheWidth =
        Near(sheet->middle, shot.At(w / 20, h / 2)) && Near(sheet->middle, shot.At(w - w / 20, h / 2));
    return true;
}

// The sheets of job n, once the queue has it. The job bears the document's
// file name.
static std::vector<Sheet> Job(int n, const std::string &name)
{
    std::string title;
    std::vector<Sheet> sheets;
    auto done = [&] { return !!std::getline(std::ifstream(JobFile(n, L".done").c_str()), title); };
    EXPECT_TRUE(WaitUntil(done, 120000)) << "no job " << n;
    EXPECT_EQ(title, name);
    for (Sheet sheet; ReadSheet(n, int(sheets.size()) + 1, &sheet);) sheets.push_back(sheet);
    return sheets;
}

class Print : public ProgramTest
{
  protected:
    // Ctrl+P and the print dialog; the first one can take a while, as Wine
    // asks CUPS for its printers.
    HWND OpenPrintDialog()
    {
        Key(&app, 'P', /*ctrl=*/true);
        HWND dialog = WaitForWindow(&app, L"#32770", 30000);
        EXPECT_EQ(TextOf(dialog), L"Print");
        return dialog;
    }
    // A click in a page field, then keys.
    void SetPageField(HWND dialog, int id, const wchar_t *value)
    {
        POINT p = {4, 4};
        MapWindowPoints(GetDlgItem(dialog, id), app.view, &p, 1);
        Click(&app, p);
        Key(&app, VK_END);
        Type(&app, L"\b\b\b" + std::wstring(value));
    }
    int done = JobsDone();
};

// A cancelled dialog sends no job, so the next job is the one for all
// pages, then the range's.
TEST_F(Print, PrintsPdfAndComicPagesAsChosenInTheDialog)
{
    ASSERT_TRUE(StartApp(&app, Fixture(L"print.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, L"print.pdf - 1/5 - Folivex"));
    HWND dialog = OpenPrintDialog();
    Key(&app, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(OpenPrintDialog());
    Key(&app, VK_RETURN);
    std::vector<Sheet> sheets = Job(done + 1, "print.pdf");
    ASSERT_EQ(sheets.size(), 5u);
    for (int i = 0; i < 5; i++) {
        EXPECT_TRUE(Near(GREYS[i], sheets[i].middle) && sheets[i].fillsTheWidth) << "sheet " << i + 1;
        EXPECT_EQ(sheets[i].mark, i == 2 ? "top right" : "top left") << "sheet " << i + 1;
    }

    ASSERT_TRUE(dialog = OpenPrintDialog());
    SetPageField(dialog, edt1, L"2");
    SetPageField(dialog, edt2, L"3");
    Key(&app, VK_RETURN);
    sheets = Job(done + 2, "print.pdf");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(Near(GREYS[1], sheets[0].middle) && Near(GREYS[2], sheets[1].middle));
    StopApp(&app);

    ASSERT_TRUE(StartApp(&app, Fixture(L"imaging\\print.cbz")));
    ASSERT_TRUE(WaitForTitle(&app, L"print.cbz - 1/2 - Folivex"));
    ASSERT_TRUE(OpenPrintDialog());
    Key(&app, VK_RETURN);
    sheets = Job(done + 3, "print.cbz");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(Near(BLUE, sheets[0].middle) && Near(RED, sheets[1].middle));
    EXPECT_EQ(sheets[0].mark + ", " + sheets[1].mark, "top left, top right");
    StopApp(&app);

    // No document: keys are handled in order, so had Ctrl+P opened the print
    // dialog, Ctrl+O would have gone to it and the first dialog would not be
    // Open.
    ASSERT_TRUE(StartApp(&app));
    Key(&app, 'P', /*ctrl=*/true);
    Key(&app, 'O', /*ctrl=*/true);
    EXPECT_EQ(TextOf(WaitForWindow(&app, L"#32770", 30000)), L"Open");
}
