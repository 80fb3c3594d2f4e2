// The reader: strip geometry (placement, spreads, the 32-bit zoom ceiling,
// hit boxes, the current page), the command line and settings store, and
// the real windows with real documents: opening and failing to open, the
// page cache, keys, wheel, drag, painting and dropped files.
#include "tests/unit/Support.h"

#include <shlobj.h>

#include "app/Commands.h"
#include "view/Layout.h"
#include "view/PageCache.h"
#include "view/Title.h"
#include "view/ViewWindow.h"

namespace
{

// A document of given page sizes (points) with no engine behind it, for the
// arithmetic of the strip.
struct Pages {
    std::vector<double> w, h;
    std::vector<int> x, y;
    DocumentRecord doc = {};
    ViewStateRecord view = {1.0, 0, 0, 0, 400, 300, 0, 0, 0, 0, -1};
    Pages(std::vector<std::pair<double, double>> sizes, int doublePage = 0, int coverPaired = 0)
    {
        for (auto &s : sizes) {
            w.push_back(s.first);
            h.push_back(s.second);
        }
        x.resize(w.size());
        y.resize(w.size());
        doc.pageCount = (int)w.size();
        doc.pageWidths = w.data();
        doc.pageHeights = h.data();
        doc.pageX = x.data();
        doc.pageY = y.data();
        view.doublePage = doublePage;
        view.coverPaired = coverPaired;
    }
    Pages &Lay(int viewWidth, int fit, double zoom = 1.0)
    {
        view.viewWidth = viewWidth;
        view.fitWidth = fit;
        view.zoom = zoom;
        ComputeLayout(&doc, &view, 0, 0);
        return *this;
    }
};

typedef std::vector<std::pair<double, double>> Sizes;

struct PlacementRow {
    const char *what;
    Sizes sizes;
    int doublePage, coverPaired, viewWidth, fit;
    std::vector<int> xs, ys;
    int layoutWidth, layoutHeight;
    double zoom;
};

TEST(Strip, PlacesPagesInRowsAndSpreads)
{
    Sizes five(5, {100, 200});
    const PlacementRow rows[] = {
        {"narrow page centred on the widest", {{100, 200}, {50, 100}}, 0, 0, 400, 0, {8, 33}, {8, 216}, 116, 324, 1},
        {"cover alone on the right", five, 1, 0, 400, 0, {116, 8, 116, 8, 116}, {8, 216, 216, 424, 424}, 224, 632, 1},
        {"cover paired, last page left", five, 1, 1, 400, 0, {8, 116, 8, 116, 8}, {8, 8, 216, 216, 424}, 224, 632, 1},
        {"one page is never a spread", {{100, 200}}, 1, 0, 400, 0, {8}, {8}, 116, 216, 1},
        {"row as tall as its tallest",
         {{100, 200}, {100, 300}, {100, 100}},
         1,
         1,
         400,
         0,
         {8, 116, 8},
         {8, 8, 316},
         224,
         424,
         1},
        {"fit-width leaves 16 pixels", {{595, 842}}, 0, 0, 611, 1, {8}, {8}, 611, 858, 1},
        {"spreads leave 24", {{595, 842}, {595, 842}}, 1, 1, 1214, 1, {8, 611}, {8, 8}, 1214, 858, 1},
        {"too narrow a view keeps the zoom", {{100, 200}}, 0, 0, 10, 1, {8}, {8}, 116, 216, 1},
    };
    for (const PlacementRow &row : rows) {
        Pages p(row.sizes, row.doublePage, row.coverPaired);
        p.Lay(row.viewWidth, row.fit);
        EXPECT_EQ(p.x, row.xs) << row.what;
        EXPECT_EQ(p.y, row.ys) << row.what;
        EXPECT_EQ(p.view.layoutWidth, row.layoutWidth) << row.what;
        EXPECT_EQ(p.view.layoutHeight, row.layoutHeight) << row.what;
        EXPECT_DOUBLE_EQ(p.view.zoom, row.zoom) << row.what;
    }
}

// Long documents at a high zoom would overflow 32-bit positions: the zoom
// is lowered instead, and every page keeps a place inside the strip.
TEST(Strip, ZoomCeilingKeepsTheStripInside32Bits)
{
    struct Row {
        int count;
        double w, h, zoom;
        int fit, doublePage;
        double wanted; // the zoom without a ceiling
        bool keepsZoom;
    } rows[] = {
        {5000, 595, 842, 40, 0, 0, 40, true},      // about 168 million pixels: fits
        {5000, 14400, 14400, 40, 0, 0, 40, false}, // the largest page PDF allows
        {5000, 14400, 14400, 40, 0, 1, 40, false},
        {20000, 1, 1000, 1, 1, 0, 984, false}, // a one-point page fitted to 1000 pixels
    };
    for (const Row &row : rows) {
        Pages p(Sizes(row.count, {row.w, row.h}), row.doublePage);
        p.Lay(1000, row.fit, row.zoom);
        EXPECT_EQ(p.view.zoom == row.wanted, row.keepsZoom) << row.count << " x " << row.h;
        EXPECT_LE(p.view.zoom, row.wanted);
        EXPECT_LE(p.view.layoutHeight, MAX_STRIP_EXTENT);
        EXPECT_LE(p.view.layoutWidth, MAX_STRIP_EXTENT);
        for (int i = 1; i < row.count; i++) ASSERT_GE(p.y[i], p.y[i - 1]);
        EXPECT_LT(p.y.back() + RoundPixels(p.view.zoom, row.h), p.view.layoutHeight);
    }
}

TEST(Strip, ZoomKeepsTheStripPointUnderTheAnchor)
{
    Pages p(Sizes(10, {100, 200}));
    p.Lay(400, 0);
    p.view.scrollY = 1000;
    p.view.zoom = 2.0;
    ComputeLayout(&p.doc, &p.view, 0, 100);
    // Strip row 1100 of 2088 was under the anchor; the same share of the
    // new 4088 rows is: 2153, less the anchor.
    EXPECT_EQ(p.view.layoutHeight, 4088);
    EXPECT_EQ(p.view.scrollY, 2053);
}

TEST(Strip, ClampsScrollingToTheStrip)
{
    const int rows[][4] = {{-5, 1000, 300, 0}, {800, 1000, 300, 700}, {500, 1000, 300, 500}, {50, 200, 300, 0}};
    for (auto &r : rows) EXPECT_EQ(ClampScroll(r[0], r[1], r[2]), r[3]);
}

// Pages of 100 x 200 points at zoom 1 in a 400-pixel view: the strip is
// 116 pixels wide, centred 142 pixels in; page i spans rows 8 + 208 i to
// 208 + 208 i of the strip.
TEST(Strip, FindsThePageUnderAPointAndInTheView)
{
    Pages p(Sizes(5, {100, 200}));
    p.Lay(400, 0);
    p.view.scrollY = 100;
    const int hits[][3] = {
        {150, -92, 0},  {249, 107, 0},  {250, 50, -1}, {149, 50, -1}, // left edge in, right edge out
        {150, 108, -1}, {150, 115, -1}, {150, 116, 1},                // bottom edge and gap out
    };
    for (auto &h : hits) {
        PageBox box;
        EXPECT_EQ(PageAtClientPoint(&p.doc, &p.view, h[0], h[1], &box), h[2]) << h[0] << "," << h[1];
    }
    int first, last;
    ASSERT_TRUE(VisiblePageRange(&p.doc, &p.view, 0, 300, &first, &last));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 1);
    EXPECT_FALSE(VisiblePageRange(&p.doc, &p.view, 2000, 2100, &first, &last));

    // The current page is the first whose bottom lies below a third of the
    // view (row 100); reaching the line is not enough.
    const int current[][2] = {{0, 0}, {107, 0}, {108, 1}, {100000, 0}};
    for (auto &c : current) {
        p.view.scrollY = c[0];
        EXPECT_EQ(CurrentPage(&p.doc, &p.view), c[1]) << "scrolled " << c[0];
    }
}

TEST(CommandLine, FindsTheDocumentArgument)
{
    const wchar_t *rows[][2] = {
        {L"\"C:\\Program Files\\Folivex.exe\" \"C:\\a b\\c.pdf\"", L"C:\\a b\\c.pdf"},
        {L"Folivex.exe C:\\a b\\c.pdf", L"C:\\a b\\c.pdf"},
        {L"Folivex.exe \"C:\\one.pdf\" \"C:\\two.pdf\"", L"C:\\one.pdf"},
        {L"\"C:\\Folivex.exe\"", L""},
        {L"Folivex.exe\tC:\\tab.pdf", L"C:\\tab.pdf"},
        {L"Folivex.exe \"C:\\unclosed.pdf", L"C:\\unclosed.pdf"},
    };
    for (auto &row : rows) {
        std::wstring line = row[0];
        EXPECT_EQ(Utf8(ParseCommandLine(&line[0])), Utf8(row[1]));
    }
}

TEST(Settings, ReadsOnlyDwordsAndDefaultsToZero)
{
    EnsureProgramWindows();
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0) << "no key";
    SetSetting(L"DoublePage", 7);
    EXPECT_EQ(GetSetting(L"DoublePage"), 7);
    // A value of another type reads as 0, even though a refused read may
    // have copied its bytes ("1" would read as 49).
    RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyPath, L"CoverPaired", REG_SZ, L"1", 4);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0);
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
}

// The real windows (hidden) with report.pdf: 10 A4 pages.
class Reader : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureProgramWindows();
        OpenErrors().clear();
        Open(L"report.pdf");
        ASSERT_TRUE(IsDocumentOpen());
        line = ScaleDpi(48);
        page = ViewState.viewHeight - line;
    }
    void TearDown() override
    {
        HoldModifiers(false, false);
        ShowWindow(MainWindow, SW_HIDE);
        PumpMessages();
        CloseDocument();
        ViewState.doublePage = ViewState.coverPaired = 0;
        RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    }
    void Open(const wchar_t *name)
    {
        OpenDocument(FixturePath(name).c_str());
    }
    void Key(WPARAM vk, bool ctrl = false, bool shift = false)
    {
        HoldModifiers(ctrl, shift);
        SendMessageW(ViewWindow, WM_KEYDOWN, vk, 1);
        HoldModifiers(false, false);
    }
    std::wstring Title()
    {
        wchar_t text[512] = L"";
        GetWindowTextW(MainWindow, text, 512);
        return text;
    }
    int line = 48, page = 0;
};

TEST_F(Reader, FailedOpensKeepThePreviousDocument)
{
    ScrollViewTo(0, 3000);
    FPDF_DOCUMENT before = Document.pdf;
    std::wstring title = Title();
    Open(L"empty.pdf");
    Open(L"no-such-file.pdf");
    Open(L"user-password.pdf");
    Open(L"not-images.cbz");
    EXPECT_EQ(OpenErrors(),
              (std::vector<int>{OPEN_ERROR_GENERIC, OPEN_ERROR_GENERIC, OPEN_ERROR_PASSWORD, OPEN_ERROR_NO_IMAGE}));
    EXPECT_EQ(Document.pdf, before);
    EXPECT_EQ(ViewState.scrollY, 3000);
    EXPECT_EQ(Title(), title);
    Open(L"owner-only.pdf");
    EXPECT_EQ(OpenErrors().size(), 4u) << "an owner password alone does not stop the open";
}

TEST_F(Reader, ReopeningLoadsAfreshFittedAtTheTopInTheSameMode)
{
    SetSpreadMode(1, 1);
    SetZoom(2.0, 0, 0);
    ScrollViewTo(0, 5000);
    FPDF_DOCUMENT first = Document.pdf;
    Open(L"report.pdf");
    EXPECT_NE(Document.pdf, first);
    EXPECT_EQ(ViewState.fitWidth, 1);
    EXPECT_EQ(ViewState.scrollY, 0);
    EXPECT_EQ(Title(), L"report.pdf - 1-2/10 - Folivex");
    // An archive follows the comic path whatever its name.
    Open(L"comic-named.pdf");
    EXPECT_NE(Document.comic, nullptr);
}

TEST_F(Reader, LongPathIsStoredTruncatedButTheFileOpens)
{
    std::wstring dir = FixturePath(L"long");
    CreateDirectoryW(dir.c_str(), NULL);
    while (dir.size() < 280) CreateDirectoryW((dir += L"\\abcdefghijklmnopqrstuvwxyz0123456789").c_str(), NULL);
    std::wstring path = dir + L"\\report.pdf";
    ASSERT_TRUE(CopyFileW(FixturePath(L"report.pdf").c_str(), path.c_str(), FALSE));
    OpenDocument(path.c_str());
    EXPECT_TRUE(OpenErrors().empty());
    EXPECT_EQ(Utf8(Document.path), Utf8(path.substr(0, 259).c_str()));
    CloseDocument();
    DeleteFileW(path.c_str());
}

TEST(Document, PageArrayBlockIsCheckedBeforeItIsSized)
{
    const int refused[] = {-1, MAX_PAGE_COUNT + 1, 178956971, 0x7FFFFFFF};
    SIZE_T bytes = 0;
    for (int count : refused) EXPECT_FALSE(PageArrayBytes(count, &bytes)) << count;
    ASSERT_TRUE(PageArrayBytes(MAX_PAGE_COUNT, &bytes));
    EXPECT_EQ(bytes, (SIZE_T)MAX_PAGE_COUNT * 24 + 1);
}

// Sixteen slots recycled in the order they were filled: a hit changes
// nothing, the sixteenth miss after a page takes its slot.
TEST_F(Reader, PageCacheKeepsTheLastSixteenMissesAndEmptiesOnClose)
{
    Open(L"long.pdf");
    FPDF_PAGE first = GetPdfPage(0);
    for (int i = 1; i <= 15; i++) GetPdfPage(i);
    EXPECT_EQ(GetPdfPage(0), first);
    GetPdfPage(16);
    for (auto &slot : PageCache.slots) EXPECT_FALSE(slot.page && slot.pageIndex == 0);
    CloseDocument();
    for (auto &slot : PageCache.slots) EXPECT_EQ(slot.page, nullptr);
    EXPECT_EQ(Utf8(Document.fileName), "long.pdf") << "a close keeps the name";
}

// From the top, each key's scroll position in pages, lines and the end.
TEST_F(Reader, KeysScrollAndZoom)
{
    struct Row {
        WPARAM vk;
        bool ctrl, shift;
        int pages, lines, end;
    } rows[] = {
        {VK_NEXT, 0, 0, 1, 0, 0}, {VK_SPACE, 0, 0, 2, 0, 0}, {VK_SPACE, 0, 1, 1, 0, 0},
        {VK_NEXT, 0, 1, 0, 0, 0}, {VK_DOWN, 0, 0, 0, 1, 0},  {VK_UP, 0, 0, 0, 0, 0},
        {VK_END, 0, 0, 0, 0, 1},  {VK_HOME, 0, 0, 0, 0, 0},  {'D', 1, 0, 0, 0, 0}, // Ctrl+D is no spread key
    };
    for (const Row &row : rows) {
        Key(row.vk, row.ctrl, row.shift);
        int end = ViewState.layoutHeight - ViewState.viewHeight;
        EXPECT_EQ(ViewState.scrollY, row.pages * page + row.lines * line + row.end * end) << row.vk;
    }
    EXPECT_EQ(ViewState.doublePage, 0);
    double fitted = ViewState.zoom;
    Key(VK_ADD);
    EXPECT_EQ(ViewState.zoom, fitted) << "zoom keys need Ctrl";
    Key(VK_OEM_PLUS, true);
    EXPECT_DOUBLE_EQ(ViewState.zoom, fitted * 1.25);
    Key(VK_SUBTRACT, true);
    Key(VK_OEM_MINUS, true);
    EXPECT_DOUBLE_EQ(ViewState.zoom, fitted / 1.25);
    for (int i = 0; i < 40; i++) Key(VK_SUBTRACT, true);
    EXPECT_DOUBLE_EQ(ViewState.zoom, MIN_ZOOM);
    Key('1', true);
    EXPECT_DOUBLE_EQ(ViewState.zoom, ScreenDpi / 72.0);
    Key('0', true);
    EXPECT_EQ(ViewState.fitWidth, 1);
    EXPECT_DOUBLE_EQ(ViewState.zoom, fitted);
}

// Thumb positions beyond 16 bits come from the 32-bit track position, and a
// document far longer than 65,535 pixels reaches its last page.
TEST_F(Reader, LongDocumentAtZoomFortyScrollsToItsLastPage)
{
    Open(L"long.pdf");
    SetZoom(40.0, 0, 0);
    ASSERT_GT(ViewState.layoutHeight, 1 << 20);
    SendMessageW(ViewWindow, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS;
    GetScrollInfo(ViewWindow, SB_VERT, &si);
    EXPECT_EQ(si.nPos, ViewState.scrollY);
    std::wstring last = std::to_wstring(Document.pageCount);
    EXPECT_EQ(Title(), L"long.pdf - " + last + L"/" + last + L" - Folivex");
}

TEST_F(Reader, SpreadKeysKeepThePageAndStoreTheChoice)
{
    GoToPage(3);
    Key('D');
    EXPECT_EQ(ViewState.titlePage, 3);
    EXPECT_EQ(Title(), L"report.pdf - 4-5/10 - Folivex");
    Key('D', false, true);
    EXPECT_EQ(GetSetting(L"DoublePage"), 1);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 1);
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    EXPECT_EQ(GetMenuState(menu, IDM_DOUBLE_PAGE, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(GetMenuState(menu, IDM_COVER_ALONE, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SendMessageW(MainWindow, WM_SYSCOMMAND, IDM_DOUBLE_PAGE, 0);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 1) << "leaving spreads keeps the cover choice";
}

TEST_F(Reader, WheelAndDragScrollAndCtrlWheelZoomsAboutTheCursor)
{
    POINT at = {100, 200};
    ClientToScreen(ViewWindow, &at);
    SendMessageW(ViewWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-240), MAKELPARAM(at.x, at.y));
    EXPECT_EQ(ViewState.scrollY, 2 * ScaleDpi(96));
    int stripY = ViewState.scrollY + 200;
    double share = (double)stripY / ViewState.layoutHeight;
    SendMessageW(ViewWindow, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 120), MAKELPARAM(at.x, at.y));
    EXPECT_NEAR((double)(ViewState.scrollY + 200) / ViewState.layoutHeight, share, 0.001);

    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    ScrollViewTo(0, 1000);
    SendMessageW(ViewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 400));
    SendMessageW(ViewWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 150));
    EXPECT_EQ(ViewState.scrollY, 1250);
    SendMessageW(ViewWindow, WM_LBUTTONUP, 0, MAKELPARAM(100, 150));
    SendMessageW(ViewWindow, WM_MOUSEMOVE, 0, MAKELPARAM(100, 400));
    EXPECT_EQ(ViewState.scrollY, 1250) << "no drag without the capture";

    // A scroll moves the pixels on screen: only the uncovered band is left
    // to paint.
    ValidateRect(ViewWindow, NULL);
    ScrollViewTo(0, ViewState.scrollY + line);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(ViewWindow, &update, FALSE));
    EXPECT_EQ(update.top, ViewState.viewHeight - line);
}

// Painting renders exactly its rectangle (a marker colour shows where it
// did not), pages white on the grey strip, and loads no page below it.
TEST_F(Reader, PaintsOnlyItsRectangle)
{
    void *bits = nullptr;
    HBITMAP dib = CreateDib32(ViewState.viewWidth, ViewState.viewHeight, &bits);
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, dib);
    DWORD *pixels = (DWORD *)bits;
    for (int i = 0; i < ViewState.viewWidth * ViewState.viewHeight; i++) pixels[i] = 0x123456;
    EmptyPageCache();
    RECT rect = {0, 0, 200, 100};
    PaintPages(dc, &rect);
    auto at = [&](int x, int y) { return pixels[y * ViewState.viewWidth + x] & 0xFFFFFF; };
    PageBox box;
    PageBoxInClient(&Document, &ViewState, 0, &box);
    EXPECT_EQ(at(box.x - 1, 20), 0x808080u);
    EXPECT_EQ(at(box.x + 5, 20), 0xFFFFFFu);
    EXPECT_EQ(at(200, 50), 0x123456u);
    EXPECT_EQ(at(50, 100), 0x123456u);
    int loaded = 0;
    for (auto &slot : PageCache.slots) loaded += slot.page != nullptr;
    EXPECT_EQ(loaded, 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

// An HDROP as the shell builds it: DROPFILES, then the wide paths, each
// ended by a zero, and a final zero. Only the first file counts.
TEST_F(Reader, DropOpensTheFirstFile)
{
    std::vector<std::wstring> paths = {FixturePath(L"empty.pdf"), FixturePath(L"mixed.pdf")};
    for (int round = 0; round < 2; round++) {
        std::wstring text;
        for (const std::wstring &p : paths) text += p + L'\0';
        HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (text.size() + 1) * sizeof(wchar_t));
        DROPFILES *drop = (DROPFILES *)GlobalLock(memory);
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        memcpy(drop + 1, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SendMessageW(MainWindow, WM_DROPFILES, (WPARAM)memory, 0);
        std::swap(paths[0], paths[1]);
    }
    EXPECT_EQ(OpenErrors(), std::vector<int>{OPEN_ERROR_GENERIC}) << "empty.pdf first: refused";
    EXPECT_EQ(Utf8(Document.fileName), "mixed.pdf");
}

} // namespace
