// The real program's links: the cursor changes over links and only there, a
// click has the shell open web and mail addresses and nothing else, and a
// drag that ends on a link opens nothing.
//
// For this test the shell's handlers of http, https and mailto in the test
// prefix are this executable, started with --record-uri, which appends the
// address to a file: the file lists what the program opened. The handlers it
// replaces are saved in the registry first and put back at the end, or at
// the start of the next run if this one did not reach its end.
//
// links.pdf page 1 has 300 x 20 pt link boxes at x = 72, bottom at
// y = 700 - 40 i: https, HTTP in capitals, mailto, ftp, a relative address,
// 2047 and 2048-byte addresses, then a jump to page 2.
#include "tests/e2e/Driver.h"

#include <stdio.h>
#include <fstream>

const wchar_t *const HANDLERS[] = {L"http\\shell\\open\\command", L"https\\shell\\open\\command",
                                   L"mailto\\shell\\open\\command"};
const wchar_t SAVED_HANDLERS[] = L"Software\\FolivexLinksTest"; // a value for each, named by its key

static std::wstring ReadText(HKEY root, const std::wstring &key, const wchar_t *name)
{
    wchar_t value[2048] = L"";
    DWORD size = sizeof value;
    RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

static void WriteText(HKEY root, const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(), (DWORD)(value.size() + 1) * sizeof(wchar_t));
}

static void RestoreHandlers()
{
    for (const wchar_t *handler : HANDLERS) {
        std::wstring saved = ReadText(HKEY_CURRENT_USER, SAVED_HANDLERS, handler);
        if (!saved.empty()) WriteText(HKEY_CLASSES_ROOT, handler, nullptr, saved);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, SAVED_HANDLERS);
}

static std::wstring RecordFile()
{
    return Environment(L"FOLIVEX_TEST_OUTPUT") + L"\\opened-uris.txt";
}

static std::vector<std::string> Recorded()
{
    std::vector<std::string> lines;
    std::ifstream in(RecordFile().c_str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class Links : public ProgramTest
{
  protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        RestoreHandlers();
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring recorder = L"\"" + std::wstring(self) + L"\" --record-uri \"" + RecordFile() + L"\" \"%1\"";
        for (const wchar_t *handler : HANDLERS) {
            std::wstring command = ReadText(HKEY_CLASSES_ROOT, handler, nullptr);
            ASSERT_FALSE(command.empty()) << "the prefix has no handler to replace";
            WriteText(HKEY_CURRENT_USER, SAVED_HANDLERS, handler, command);
            WriteText(HKEY_CLASSES_ROOT, handler, nullptr, recorder);
        }
        DeleteFileW(RecordFile().c_str());
        ASSERT_TRUE(StartApp(&app, Fixture(L"links.pdf")));
        ASSERT_TRUE(WaitForTitle(&app, L"links.pdf - 1/2 - Folivex"));
    }
    void TearDown() override
    {
        ProgramTest::TearDown();
        RestoreHandlers();
    }
    // The view point of page 1's point (x, y), in PDF points, with the page
    // fitted to the width at the top of the strip.
    POINT PagePoint(double x, double y)
    {
        RECT client;
        GetClientRect(app.view, &client);
        double zoom = (client.right - 16) / 595.0;
        return {8 + (int)(x * zoom), 8 + (int)((842 - y) * zoom)};
    }
    POINT Link(int i)
    {
        return PagePoint(222, 710 - 40 * i);
    }
    // The program's cursor once the pointer rests at p: the cursor of the
    // foreground thread, read until it holds still.
    HCURSOR CursorAt(POINT p)
    {
        MoveMouse(&app, p);
        CURSORINFO info = {}, last = {};
        info.cbSize = sizeof info;
        for (int steady = 0, i = 0; steady < 5 && i < 100; i++, last = info) {
            Sleep(50);
            GetCursorInfo(&info);
            steady = info.hCursor == last.hCursor ? steady + 1 : 0;
        }
        return info.hCursor;
    }
    // One recorder at a time: two appending at once could lose a line.
    void ClickAndWaitForRecord(int link, size_t lines)
    {
        Drag(&app, Link(link), Link(link));
        EXPECT_TRUE(WaitUntil([&] { return Recorded().size() >= lines; }, 20000)) << "link " << link;
    }
};

TEST_F(Links, OpensWebAndMailAddressesOnClick)
{
    HCURSOR plain = CursorAt(PagePoint(300, 300)), hand = CursorAt(Link(0));
    EXPECT_NE(hand, plain);
    EXPECT_EQ(CursorAt(Link(3)), hand) << "an ftp link, which is not followed, still shows the hand";
    EXPECT_EQ(CursorAt(PagePoint(60, 710)), plain) << "beside a link";
    EXPECT_EQ(CursorAt(PagePoint(-3, 710)), plain) << "in the grey margin";

    // A drag that ends on the https link (the strip is at its top and does
    // not move), then clicks on the ftp, relative, 2048-byte and jump links:
    // nothing. The 2047-byte address is left alone: Wine's ShellExecuteW
    // overruns a fixed buffer on addresses that long.
    Drag(&app, {Link(0).x, Link(0).y - 60}, Link(0));
    for (int link : {3, 4, 6, 7}) Drag(&app, Link(link), Link(link));
    ClickAndWaitForRecord(0, 1);
    ClickAndWaitForRecord(1, 2);
    ClickAndWaitForRecord(2, 3);
    std::vector<std::string> expected = {"https://example.com/a", "HTTP://EXAMPLE.COM/B", "mailto:someone@example.com"};
    EXPECT_EQ(Recorded(), expected);
    EXPECT_EQ(TextOf(app.main), L"links.pdf - 1/2 - Folivex") << "the jump was followed";
}

// Started by the shell as the handler of an address: appends it to the record
// file and ends. Otherwise runs the tests. The program is built without a
// console (tests/CMakeLists.txt): Wine would give the handler a console
// window, which would take the focus and the input meant for the program.
int main(int argc, char **argv)
{
    if (argc == 4 && std::string(argv[1]) == "--record-uri") {
        FILE *record = fopen(argv[2], "ab");
        return !record || fprintf(record, "%s\n", argv[3]) < 0 || fclose(record) != 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
