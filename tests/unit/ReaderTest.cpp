// The reader: strip geometry (placement, spreads, the 32-bit zoom ceiling,
// hit boxes, the current page), the command line and settings store, and
// the real windows with real documents: failing to open, the page cache,
// keys, wheel, drag, painting and dropped files. What the end-to-end tests
// show through the real program (titles, stored spread choices, zoom keys
// against the scroll bar) is not repeated here.
#include "tests/unit/Support.h"

#include <shlobj.h>

#include <algorithm>

#include "app/Commands.h"
#include "view/Layout.h"
#include "view/PageCache.h"
#include "view/ViewWindow.h"

namespace
{

typedef std::vector<std::pair<double, double>> Sizes;

// A document of given page sizes (points) with no engine behind it, for the
// arithmetic of the strip.
struct Pages {
    std::vector<double> w, h;
    std::vector<int> x, y;
    DocumentRecord doc = {};
    ViewStateRecord view;
    Pages(const Sizes &sizes, int doublePage = 0, int coverPaired = 0, int viewWidth = 400, int fit = 0,
          double zoom = 1.0)
        : x(sizes.size()), y(sizes.size())
    {
        for (auto &s : sizes) w.push_back(s.first), h.push_back(s.second);
        doc.pageCount = (int)w.size();
        doc.pageWidths = w.data(), doc.pageHeights = h.data(), doc.pageX = x.data(), doc.pageY = y.data();
        view = {zoom, fit, 0, 0, viewWidth, 300, 0, 0, doublePage, coverPaired, -1};
        ComputeLayout(&doc, &view, 0, 0);
    }
};

TEST(Strip, PlacesPagesInRowsAndSpreads)
{
    const Sizes five(5, {100, 200}), a4 = {{595, 842}};
    const struct {
        const char *what;
        Sizes sizes;
        int doublePage, coverPaired, viewWidth, fit;
        std::vector<int> xs, ys;
        int layoutWidth, layoutHeight;
    } rows[] = {
        {"narrow page centred on the widest", {{100, 200}, {50, 100}}, 0, 0, 400, 0, {8, 33}, {8, 216}, 116, 324},
        {"cover alone on the right", five, 1, 0, 400, 0, {116, 8, 116, 8, 116}, {8, 216, 216, 424, 424}, 224, 632},
        {"cover paired, last page left", five, 1, 1, 400, 0, {8, 116, 8, 116, 8}, {8, 8, 216, 216, 424}, 224, 632},
        {"one page is never a spread", {{100, 200}}, 1, 0, 400, 0, {8}, {8}, 116, 216},
        {"row of the tallest", {{100, 200}, {100, 300}, {100, 100}}, 1, 1, 400, 0, {8, 116, 8}, {8, 8, 316}, 224, 424},
        {"fit-width leaves 16 pixels", a4, 0, 0, 611, 1, {8}, {8}, 611, 858},
        {"spreads leave 24", {{595, 842}, {595, 842}}, 1, 1, 1214, 1, {8, 611}, {8, 8}, 1214, 858},
        {"too narrow a view keeps the zoom", {{100, 200}}, 0, 0, 10, 1, {8}, {8}, 116, 216},
    };
    for (auto &row : rows) {
        Pages p(row.sizes, row.doublePage, row.coverPaired, row.viewWidth, row.fit);
        EXPECT_EQ(p.x, row.xs) << row.what;
        EXPECT_EQ(p.y, row.ys) << row.what;
        EXPECT_EQ(p.view.layoutWidth, row.layoutWidth) << row.what;
        EXPECT_EQ(p.view.layoutHeight, row.layoutHeight) << row.what;
    }
}

// Long documents at a high zoom would overflow 32-bit positions: the zoom
// is lowered instead, and every page keeps a place inside the strip.
TEST(Strip, ZoomCeilingKeepsTheStripInside32Bits)
{
    struct {
        int count, fit, doublePage;
        double w, h, zoom, wanted; // wanted: the zoom without a ceiling
        bool keepsZoom;
    } rows[] = {
        {5000, 0, 0, 595, 842, 40, 40, true},      // about 168 million pixels: fits
        {5000, 0, 0, 14400, 14400, 40, 40, false}, // the largest page PDF allows
        {5000, 0, 1, 14400, 14400, 40, 40, false},
        {20000, 1, 0, 1, 1000, 1, 984, false}, // a one-point page fitted to 1000 pixels
    };
    for (auto &row : rows) {
        Pages p(Sizes(row.count, {row.w, row.h}), row.doublePage, 0, 1000, row.fit, row.zoom);
        EXPECT_EQ(p.view.zoom == row.wanted, row.keepsZoom) << row.count << " x " << row.h;
        EXPECT_LE(p.view.zoom, row.wanted);
        EXPECT_LE(p.view.layoutWidth, MAX_STRIP_EXTENT);
        for (int i = 1; i < row.count; i++) ASSERT_GE(p.y[i], p.y[i - 1]);
        EXPECT_LT(p.y.back() + RoundPixels(p.view.zoom, row.h), p.view.layoutHeight);
        EXPECT_LE(p.view.layoutHeight, MAX_STRIP_EXTENT);
    }
}

// Pages of 100 x 200 points at zoom 1 in a 400-pixel view: the strip is
// 116 pixels wide, centred 142 pixels in; page i spans rows 8 + 208 i to
// 208 + 208 i of the strip.
TEST(Strip, FindsThePageUnderAPointAndInTheView)
{
    const int clamps[][4] = {{-5, 1000, 300, 0}, {800, 1000, 300, 700}, {500, 1000, 300, 500}, {50, 200, 300, 0}};
    for (auto &r : clamps) EXPECT_EQ(ClampScroll(r[0], r[1], r[2]), r[3]);
    Pages p(Sizes(5, {100, 200}));
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
    EXPECT_EQ(std::make_pair(first, last), std::make_pair(0, 1));
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
        {L"Folivex.exe \"C:\\one.pdf\" \"C:\\two.pdf\"", L"C:\\one.pdf"},
        {L"\"C:\\Folivex.exe\"", L""},
        {L"Folivex.exe\tC:\\tab.pdf", L"C:\\tab.pdf"},
        {L"Folivex.exe \"C:\\unclosed.pdf", L"C:\\unclosed.pdf"},
    };
    for (auto &row : rows) EXPECT_EQ(Utf8(ParseCommandLine(&std::wstring(row[0])[0])), Utf8(row[1]));
}

// A value of another type reads as 0, even though a refused read may have
// copied its bytes ("1" would read as 49).
TEST(Settings, ReadsOnlyDwordsAndDefaultsToZero)
{
    EnsureProgramWindows();
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0) << "no key";
    RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyPath, L"CoverPaired", REG_SZ, L"1", 4);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0);
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
}

TEST(Document, PageArrayBlockIsCheckedBeforeItIsSized)
{
    const int refused[] = {-1, MAX_PAGE_COUNT + 1, 178956971, 0x7FFFFFFF};
    SIZE_T bytes = 0;
    for (int count : refused) EXPECT_FALSE(PageArrayBytes(count, &bytes)) << count;
    ASSERT_TRUE(PageArrayBytes(MAX_PAGE_COUNT, &bytes));
    EXPECT_EQ(bytes, (SIZE_T)MAX_PAGE_COUNT * 24 + 1);
}

// The real windows (hidden) with report.pdf: 10 A4 pages.
class Reader : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        EnsureProgramWindows();
        OpenErrors.clear();
        Open(L"report.pdf");
        ASSERT_TRUE(IsDocumentOpen());
    }
    void TearDown() override
    {
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
};

// A failed open leaves the document, its place and its title; a good one
// loads afresh, fitted at the top, in the same page mode.
TEST_F(Reader, FailedOpensKeepThePreviousDocumentAGoodOneReplacesIt)
{
    SetSpreadMode(1, 1);
    SetZoom(2.0, 0, 0);
    ScrollViewTo(0, 3000);
    FPDF_DOCUMENT before = Document.pdf;
    std::wstring title = Title();
    for (const wchar_t *name : {L"empty.pdf", L"no-such-file.pdf", L"user-password.pdf", L"not-images.cbz"}) Open(name);
    EXPECT_EQ(OpenErrors,
              (std::vector<int>{OPEN_ERROR_GENERIC, OPEN_ERROR_GENERIC, OPEN_ERROR_PASSWORD, OPEN_ERROR_NO_IMAGE}));
    EXPECT_EQ(Document.pdf, before);
    EXPECT_EQ(ViewState.scrollY, 3000);
    EXPECT_EQ(Title(), title);
    Open(L"owner-only.pdf");
    EXPECT_EQ(ViewState.fitWidth, 1);
    EXPECT_EQ(Title(), L"owner-only.pdf - 1-2/10 - Folivex") << "an owner password alone does not stop the open";
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
}

// Rows: a key, Ctrl, Shift, and the scroll position it leaves, from the
// top, in pages, lines and the end.
TEST_F(Reader, KeysScrollZoomAndChooseSpreads)
{
    const int rows[][6] = {
        {VK_NEXT, 0, 0, 1, 0, 0}, {VK_SPACE, 0, 0, 2, 0, 0}, {VK_SPACE, 0, 1, 1, 0, 0},
        {VK_NEXT, 0, 1, 0, 0, 0}, {VK_DOWN, 0, 0, 0, 1, 0},  {VK_UP, 0, 0, 0, 0, 0},
        {VK_END, 0, 0, 0, 0, 1},  {VK_HOME, 0, 0, 0, 0, 0},  {'D', 1, 0, 0, 0, 0}, // Ctrl+D is no spread key
    };
    int line = ScaleDpi(48), page = ViewState.viewHeight - line;
    for (auto &row : rows) {
        Key(row[0], row[1], row[2]);
        int end = ViewState.layoutHeight - ViewState.viewHeight;
        EXPECT_EQ(ViewState.scrollY, row[3] * page + row[4] * line + row[5] * end) << row[0];
    }
    // The window menu shows the spread choice (Ctrl+D above toggled none);
    // that D keeps the page is the end-to-end test's.
    Key('D');
    Key('D', false, true);
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    EXPECT_EQ(GetMenuState(menu, IDM_DOUBLE_PAGE, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(GetMenuState(menu, IDM_COVER_ALONE, MF_BYCOMMAND) & MF_CHECKED, 0u);

    double fitted = ViewState.zoom;
    Key(VK_ADD);
    EXPECT_EQ(ViewState.zoom, fitted) << "zoom keys need Ctrl";
    for (int i = 0; i < 40; i++) Key(VK_SUBTRACT, true);
    EXPECT_DOUBLE_EQ(ViewState.zoom, MIN_ZOOM);
    Key('1', true);
    EXPECT_DOUBLE_EQ(ViewState.zoom, ScreenDpi / 72.0);
}

// Thumb positions beyond 16 bits come from the 32-bit track position, and a
// document far longer than 65,535 pixels reaches its last page.
TEST_F(Reader, LongDocumentAtZoomFortyScrollsToItsLastPage)
{
    Open(L"long.pdf");
    SetZoom(40.0, 0, 0);
    ASSERT_GT(ViewState.layoutHeight, 1 << 20);
    SendMessageW(ViewWindow, WM_VSCROLL, SB_BOTTOM, 0);
    SCROLLINFO si = {sizeof si, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(ViewWindow, SB_VERT, &si);
    EXPECT_EQ(si.nPos, ViewState.scrollY);
    EXPECT_EQ(Title(), L"long.pdf - 5000/5000 - Folivex");
}

TEST_F(Reader, WheelAndDragScrollAndCtrlWheelZoomsAboutTheCursor)
{
    POINT at = {100, 200};
    ClientToScreen(ViewWindow, &at);
    SendMessageW(ViewWindow, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-240), MAKELPARAM(at.x, at.y));
    EXPECT_EQ(ViewState.scrollY, 2 * ScaleDpi(96));
    double share = (double)(ViewState.scrollY + 200) / ViewState.layoutHeight;
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
    ScrollViewTo(0, ViewState.scrollY + 48);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(ViewWindow, &update, FALSE));
    EXPECT_EQ(update.top, ViewState.viewHeight - 48);
}

// Painting renders exactly its rectangle (a marker colour shows where it
// did not) and loads no page below it.
TEST_F(Reader, PaintsOnlyItsRectangle)
{
    void *bits = nullptr;
    HBITMAP dib = CreateDib32(ViewState.viewWidth, ViewState.viewHeight, &bits);
    HDC dc = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc, dib);
    std::fill_n((DWORD *)bits, ViewState.viewWidth * ViewState.viewHeight, 0x123456);
    EmptyPageCache();
    RECT rect = {0, 0, 200, 100};
    PaintPages(dc, &rect);
    auto at = [&](int x, int y) { return ((DWORD *)bits)[y * ViewState.viewWidth + x] & 0xFFFFFF; };
    PageBox box;
    PageBoxInClient(&Document, &ViewState, 0, &box);
    EXPECT_EQ(at(box.x + 5, 20), 0xFFFFFFu) << "the page is painted";
    EXPECT_EQ(at(200, 50), 0x123456u);
    EXPECT_EQ(at(50, 100), 0x123456u);
    EXPECT_EQ(std::count_if(std::begin(PageCache.slots), std::end(PageCache.slots), [](auto &s) { return s.page; }), 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

// An HDROP as the shell builds it: DROPFILES, then the wide paths, each
// ended by a zero, and a final zero. Only the first file counts.
TEST_F(Reader, DropOpensTheFirstFile)
{
    std::wstring text = FixturePath(L"mixed.pdf") + L'\0' + FixturePath(L"empty.pdf") + L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (text.size() + 1) * sizeof(wchar_t));
    DROPFILES *drop = (DROPFILES *)GlobalLock(memory);
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(MainWindow, WM_DROPFILES, (WPARAM)memory, 0);
    EXPECT_TRUE(OpenErrors.empty()) << "empty.pdf, second, is not opened";
    EXPECT_EQ(Utf8(Document.fileName), "mixed.pdf");
}

} // namespace
