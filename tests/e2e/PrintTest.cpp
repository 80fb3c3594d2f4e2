// Printing end to end: the real print dialog driven with keys, and every job
// read back from the private CUPS queue of tests/e2e/print-queue.sh, which
// numbers jobs from 1 and keeps each one's name and its sheets rasterised at
// 30 dpi.
#include "tests/e2e/Driver.h"

#include <dlgs.h>

#include <fstream>

// The page colours of print.pdf, whose page 3 is landscape, and of
// print.cbz, whose page 2 is.
const std::pair<uint32_t, const char *> COLOURS[] = {{0xE6E6E6, "grey 1"}, {0xBFBFBF, "grey 2"}, {0x999999, "grey 3"},
                                                     {0x737373, "grey 4"}, {0x4D4D4D, "grey 5"}, {0x2846DC, "blue"},
                                                     {0xDC2828, "red"}};

static std::wstring JobFile(int job, const std::wstring &suffix)
{
    return Environment(L"FOLIVEX_PRINT_JOBS") + L"\\" + std::to_wstring(job) + suffix;
}

static bool Near(uint32_t expected, uint32_t actual)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (abs(int(expected >> shift & 255) - int(actual >> shift & 255)) > 6) return false;
    return true;
}

// What sheet n of a job shows, from the queue's raster of it ("P6",
// Ghostscript's comment, the size, the largest value, the pixels): the
// colour in its middle, the quarter its black mark lies in, and "narrow" unless
// the page reaches to within a twentieth of the sheet's sides, where the
// printable area ends. Empty when there is no such sheet.
static std::string Sheet(int job, int n)
{
    std::ifstream in(JobFile(job, L"-" + std::to_wstring(n) + L".ppm").c_str(), std::ios::binary);
    Shot shot;
    in.ignore(99, '\n').ignore(99, '\n') >> shot.width >> shot.height;
    std::vector<unsigned char> rgb(size_t(shot.width) * shot.height * 3);
    if (!in.ignore(99, '\n').ignore(99, '\n').read((char *)rgb.data(), rgb.size()) || rgb.empty()) return "";
    for (size_t i = 0; i < rgb.size(); i += 3) shot.pixels.push_back(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
    auto black = [](uint32_t c) { return (c & 0xC0C0C0) == 0; };
    int w = shot.width, h = shot.height, marks = shot.Count(0, 0, w, h, black);
    bool top = shot.Count(0, 0, w, h / 2, black) * 2 > marks, left = shot.Count(0, 0, w / 2, h, black) * 2 > marks;
    uint32_t middle = shot.At(w / 2, h / 2);
    std::string colour = "other";
    for (auto [value, name] : COLOURS) colour = Near(value, middle) ? name : colour;
    bool whole = Near(middle, shot.At(w / 20, h / 2)) && Near(middle, shot.At(w - w / 20, h / 2));
    return colour + (top ? " top " : " bottom ") + (left ? "left" : "right") + (whole ? "" : " narrow");
}

// The sheets of job n, once the queue has it. The job bears the document's
// file name.
static std::vector<std::string> Job(int n, const std::string &name)
{
    std::string title;
    std::vector<std::string> sheets;
    auto done = [&] { return !!std::getline(std::ifstream(JobFile(n, L".done").c_str()), title); };
    EXPECT_TRUE(WaitUntil(done, 120000)) << "no job " << n;
    EXPECT_EQ(title, name);
    for (std::string sheet; !(sheet = Sheet(n, int(sheets.size()) + 1)).empty();) sheets.push_back(sheet);
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
};

// A cancelled dialog sends no job, so job 1 (the queue starts afresh for
// the test) is the one for all pages, then the range's.
TEST_F(Print, PrintsPdfAndComicPagesAsChosenInTheDialog)
{
    ASSERT_TRUE(StartApp(&app, Fixture(L"print.pdf")));
    ASSERT_TRUE(WaitForTitle(&app, L"print.pdf - 1/5 - Folivex"));
    HWND dialog = OpenPrintDialog();
    Key(&app, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(OpenPrintDialog());
    Key(&app, VK_RETURN);
    std::vector<std::string> all = {"grey 1 top left", "grey 2 top left", "grey 3 top right", "grey 4 top left",
                                    "grey 5 top left"};
    EXPECT_EQ(Job(1, "print.pdf"), all);

    ASSERT_TRUE(dialog = OpenPrintDialog());
    SetPageField(dialog, edt1, L"2");
    SetPageField(dialog, edt2, L"3");
    Key(&app, VK_RETURN);
    EXPECT_EQ(Job(2, "print.pdf"), std::vector<std::string>(&all[1], &all[3]));
    StopApp(&app);

    ASSERT_TRUE(StartApp(&app, Fixture(L"imaging\\print.cbz")));
    ASSERT_TRUE(WaitForTitle(&app, L"print.cbz - 1/2 - Folivex"));
    ASSERT_TRUE(OpenPrintDialog());
    Key(&app, VK_RETURN);
    EXPECT_EQ(Job(3, "print.cbz"), (std::vector<std::string>{"blue top left narrow", "red top right narrow"}));
    StopApp(&app);

    // No document: keys are handled in order, so had Ctrl+P opened the print
    // dialog, Ctrl+O would have gone to it and the first dialog would not be
    // Open.
    ASSERT_TRUE(StartApp(&app));
    Key(&app, 'P', /*ctrl=*/true);
    Key(&app, 'O', /*ctrl=*/true);
    EXPECT_EQ(TextOf(WaitForWindow(&app, L"#32770", 30000)), L"Open");
}
