// The view window with a real document: scroll bars, keys, wheel, drag,
// and painting only what was asked for.
#include <gtest/gtest.h>

#include "ReaderSupport.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/PageCache.h"
#include "view/ViewWindow.h"

#include <shlobj.h>

#include <string>
#include <vector>

namespace {

class ViewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureReaderWindows();
        DeleteTestSettings();
        ReportedOpenErrors.clear();
        if (!FixtureExists(L"report.pdf")) GTEST_SKIP() << "fixture documents are missing";
        OpenDocument(FixturePath(L"report.pdf").c_str());
        ASSERT_TRUE(IsDocumentOpen());
        line = ScaleDpi(48);
    }
    void TearDown() override
    {
        HoldModifiers(false, false);
        if (ShowsWindow) ShowWindow(MainWindow, SW_HIDE);
        PumpMessages();
        CloseDocument();
        ViewState.doublePage = 0;
        ViewState.coverPaired = 0;
        ViewState.fitWidth = 1;
        DeleteTestSettings();
    }
    LRESULT Key(WPARAM vk, bool ctrl = false, bool shift = false)
    {
        HoldModifiers(ctrl, shift);
        LRESULT result = SendMessageW(ViewWindow, WM_KEYDOWN, vk, 1);
        HoldModifiers(false, false);
        return result;
    }
    void WheelAt(int delta, WORD keys, int clientX = 10, int clientY = 10)
    {
        POINT p = {clientX, clientY};
        ClientToScreen(ViewWindow, &p);
        SendMessageW(ViewWindow, WM_MOUSEWHEEL, MAKEWPARAM(keys, (WORD)(short)delta), MAKELPARAM(p.x, p.y));
    }
    SCROLLINFO Bar(int bar)
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(ViewWindow, bar, &si);
        return si;
    }
    void Show()
    {
        ShowsWindow = true;
        ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
        UpdateWindow(MainWindow);
        PumpMessages();
    }
    int line = 48;
    bool ShowsWindow = false;
};

TEST_F(ViewWindowTest, ScrollBarsCarryStripAndViewSizes)
{
    SCROLLINFO v = Bar(SB_VERT);
    EXPECT_EQ(v.nMin, 0);
    EXPECT_EQ(v.nMax, ViewState.layoutHeight - 1);
    EXPECT_EQ((int)v.nPage, ViewState.viewHeight);
    EXPECT_EQ(v.nPos, 0);
    SCROLLINFO h = Bar(SB_HORZ);
    EXPECT_EQ(h.nMax, ViewState.layoutWidth - 1);
    EXPECT_EQ((int)h.nPage, ViewState.viewWidth);
}

TEST_F(ViewWindowTest, ScrollBarActionsUseThirtyTwoBitPositions)
{
    SetZoom(40.0, 0, 0);
    ASSERT_GT(ViewState.layoutHeight, 300000);
    ScrollViewTo(0, 100000);
    EXPECT_EQ(Bar(SB_VERT).nPos, 100000);
    SendMessageW(ViewWindow, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(ViewState.scrollY, 100000 + line);
    SendMessageW(ViewWindow, WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(ViewState.scrollY, 100000 + line - (ViewState.viewHeight - line));
    SendMessageW(ViewWindow, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
    EXPECT_EQ(Bar(SB_VERT).nPos, ViewState.scrollY);
    SendMessageW(ViewWindow, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(ViewState.scrollY, 0);
    SendMessageW(ViewWindow, WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(ViewState.scrollX, ViewState.viewWidth - line);
    SendMessageW(ViewWindow, WM_HSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(ViewState.scrollX, ViewState.viewWidth - 2 * line);
}

TEST_F(ViewWindowTest, PageKeysSpaceAndArrows)
{
    int page = ViewState.viewHeight - line;
    Key(VK_NEXT);
    EXPECT_EQ(ViewState.scrollY, page);
    Key(VK_SPACE);
    EXPECT_EQ(ViewState.scrollY, 2 * page);
    Key(VK_SPACE, false, true);
    EXPECT_EQ(ViewState.scrollY, page);
    Key(VK_NEXT, false, true);
    EXPECT_EQ(ViewState.scrollY, 0);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_UP);
    EXPECT_EQ(ViewState.scrollY, line);
    Key(VK_PRIOR, false, true);
    EXPECT_EQ(ViewState.scrollY, 0);
    Key(VK_END);
    EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
    EXPECT_EQ(Bar(SB_VERT).nPos, ViewState.scrollY);
    Key(VK_HOME);
    EXPECT_EQ(ViewState.scrollY, 0);
}

TEST_F(ViewWindowTest, PageDownMovesTheTitleToPageTwo)
{
    Key(VK_NEXT);
    wchar_t title[300];
    GetWindowTextW(MainWindow, title, 300);
    EXPECT_STREQ(title, L"report.pdf - 2/10 - Folivex");
}

TEST_F(ViewWindowTest, DKeysSwitchSpreadsAndStoreTheChoice)
{
    Key('D');
    EXPECT_EQ(ViewState.doublePage, 1);
    EXPECT_EQ(GetSetting(L"DoublePage"), 1);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0);
    EXPECT_EQ(MainTitle(), L"report.pdf - 1/10 - Folivex");
    Key('D', false, true);
    EXPECT_EQ(ViewState.coverPaired, 1);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 1);
    EXPECT_EQ(MainTitle(), L"report.pdf - 1-2/10 - Folivex");
    Key('D', true, false);
    EXPECT_EQ(ViewState.doublePage, 1);
    Key('D');
    EXPECT_EQ(ViewState.doublePage, 0);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    // Shift+D turns the two-page view back on.
    Key('D', false, true);
    EXPECT_EQ(ViewState.doublePage, 1);
    EXPECT_EQ(ViewState.coverPaired, 0);
}

TEST_F(ViewWindowTest, WindowMenuCommandsSwitchSpreads)
{
    SendMessageW(MainWindow, WM_SYSCOMMAND, IDM_COVER_ALONE, 0);
    EXPECT_EQ(ViewState.doublePage, 1);
    EXPECT_EQ(ViewState.coverPaired, 1);
    SendMessageW(MainWindow, WM_SYSCOMMAND, IDM_DOUBLE_PAGE | 3, 0);
    EXPECT_EQ(ViewState.doublePage, 0);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 1);
}

TEST_F(ViewWindowTest, WheelScrollsAndCtrlWheelZoomsAboutTheCursor)
{
    int step = ScaleDpi(96);
    WheelAt(-120, 0);
    EXPECT_EQ(ViewState.scrollY, step);
    WheelAt(-60, 0);
    EXPECT_EQ(ViewState.scrollY, step + step / 2);
    WheelAt(240, 0);
    EXPECT_EQ(ViewState.scrollY, 0);

    double zoom = ViewState.zoom;
    ScrollViewTo(0, 2000);
    double fy = (2000.0 + 300) / ViewState.layoutHeight;
    WheelAt(120 * 3, MK_CONTROL, 200, 300);
    EXPECT_DOUBLE_EQ(ViewState.zoom, zoom * 1.1) << "one step per message";
    EXPECT_EQ(ViewState.fitWidth, 0);
    EXPECT_EQ(ViewState.scrollY, (int)(ViewState.layoutHeight * fy) - 300);
    WheelAt(-1, MK_CONTROL);
    EXPECT_DOUBLE_EQ(ViewState.zoom, zoom);

    SetZoom(3.0, 0, 0);
    WheelAt(-120, MK_SHIFT);
    EXPECT_EQ(ViewState.scrollX, step);
    SendMessageW(ViewWindow, WM_MOUSEHWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(ViewState.scrollX, 2 * step);
}

TEST_F(ViewWindowTest, DragMovesTheGrabbedPointWithTheCursor)
{
    Show();
    ScrollViewTo(0, 1000);
    SendMessageW(ViewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 400));
    ASSERT_EQ(GetCapture(), ViewWindow);
    SendMessageW(ViewWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 150));
    EXPECT_EQ(ViewState.scrollY, 1250);
    SendMessageW(ViewWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 700));
    EXPECT_EQ(ViewState.scrollY, 700);
    SendMessageW(ViewWindow, WM_LBUTTONUP, 0, MAKELPARAM(100, 700));
    EXPECT_EQ(GetCapture(), (HWND)NULL);
    SendMessageW(ViewWindow, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(ViewState.scrollY, 700) << "no drag without the capture";
}

// Paints into a memory bitmap prefilled with a marker colour.
struct PaintTarget {
    HDC dc = NULL;
    HBITMAP bitmap = NULL;
    HGDIOBJ old = NULL;
    uint32_t *bits = nullptr;
    int width = 0;
    int height = 0;
    PaintTarget(int w, int h) : width(w), height(h)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = w;
        bmi.bmiHeader.biHeight = -h;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(NULL);
        bitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, (void **)&bits, NULL, 0);
        old = SelectObject(dc, bitmap);
        for (int i = 0; i < w * h; i++) bits[i] = 0x123456;
    }
    ~PaintTarget()
    {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    uint32_t At(int x, int y) const { return bits[y * width + x] & 0xFFFFFF; }
};

TEST_F(ViewWindowTest, PaintCoversOnlyItsRectangle)
{
    PaintTarget target(ViewState.viewWidth, ViewState.viewHeight);
    RECT rect = {0, 0, 200, 100};
    PaintPages(target.dc, &rect);
    EXPECT_EQ(target.At(0, 0), 0x808080u) << "strip margin";
    EXPECT_EQ(target.At(CentringOffset() + Document.pageX[0] + 5, 20), 0xFFFFFFu) << "page";
    EXPECT_EQ(target.At(199, 99) == 0x123456u, false);
    EXPECT_EQ(target.At(200, 50), 0x123456u);
    EXPECT_EQ(target.At(50, 100), 0x123456u);
}

TEST_F(ViewWindowTest, PagesShowWhiteWithDarkTextOnGrey)
{
    PaintTarget target(ViewState.viewWidth, ViewState.viewHeight);
    RECT rect = {0, 0, ViewState.viewWidth, ViewState.viewHeight};
    PaintPages(target.dc, &rect);
    int left = CentringOffset() + Document.pageX[0];
    int w = RoundPixels(ViewState.zoom, Document.pageWidths[0]);
    int h = RoundPixels(ViewState.zoom, Document.pageHeights[0]);
    int white = 0;
    int dark = 0;
    for (int y = 8; y < 8 + h && y < target.height; y++) {
        for (int x = left; x < left + w; x++) {
            uint32_t c = target.At(x, y);
            white += c == 0xFFFFFF;
            dark += ((c >> 16) & 0xFF) < 96 && ((c >> 8) & 0xFF) < 96 && (c & 0xFF) < 96;
        }
    }
    EXPECT_GT(white, w * 100);
    EXPECT_GT(dark, 50);
    EXPECT_EQ(target.At(left - 1, 20), 0x808080u);

    // The gap between the first two pages, scrolled to 100 pixels down.
    ScrollViewTo(0, 8 + h - 100);
    PaintPages(target.dc, &rect);
    EXPECT_EQ(target.At(left + 10, 99), 0xFFFFFFu);
    EXPECT_EQ(target.At(left + 10, 104), 0x808080u) << "gap between pages";
    EXPECT_EQ(target.At(left + 10, 108), 0xFFFFFFu);
}

TEST_F(ViewWindowTest, PaintStopsAtTheFirstPageBelowTheRectangle)
{
    EmptyPageCache();
    PaintTarget target(ViewState.viewWidth, ViewState.viewHeight);
    RECT rect = {0, 0, ViewState.viewWidth, 50};
    PaintPages(target.dc, &rect);
    int loaded = 0;
    for (int s = 0; s < PAGE_CACHE_SLOTS; s++) {
        if (PageCache.slots[s].page) {
            loaded++;
            EXPECT_EQ(PageCache.slots[s].pageIndex, 0);
        }
    }
    EXPECT_EQ(loaded, 1);
}

TEST_F(ViewWindowTest, ScrollingInvalidatesOnlyTheExposedBand)
{
    Show();
    ValidateRect(ViewWindow, NULL);
    ScrollViewTo(0, ViewState.scrollY + line);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(ViewWindow, &update, FALSE));
    EXPECT_EQ(update.top, ViewState.viewHeight - line);
    EXPECT_EQ(update.bottom, ViewState.viewHeight);
}

TEST_F(ViewWindowTest, CommandKeysWithoutADocument)
{
    CloseDocument();
    double zoom = ViewState.zoom;
    Key(VK_ADD, true);
    Key(VK_SUBTRACT, true);
    Key('1', true);
    WheelAt(120, MK_CONTROL);
    EXPECT_DOUBLE_EQ(ViewState.zoom, zoom);
    EXPECT_EQ(ViewState.fitWidth, 1);
}

} // namespace

namespace {

// An HDROP as the shell builds it: DROPFILES followed by the wide paths,
// each ended by a zero, and a final zero.
HGLOBAL MakeDrop(const std::vector<std::wstring> &paths)
{
    size_t chars = 1;
    for (const std::wstring &p : paths) chars += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    DROPFILES *drop = (DROPFILES *)GlobalLock(memory);
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    wchar_t *text = (wchar_t *)(drop + 1);
    for (const std::wstring &p : paths) {
        memcpy(text, p.c_str(), (p.size() + 1) * sizeof(wchar_t));
        text += p.size() + 1;
    }
    *text = 0;
    GlobalUnlock(memory);
    return memory;
}

class DropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureReaderWindows();
        ReportedOpenErrors.clear();
        if (!FixtureExists(L"report.pdf") || !FixtureExists(L"mixed.pdf")) GTEST_SKIP() << "no fixtures";
    }
    void TearDown() override { CloseDocument(); }
};

TEST_F(DropTest, OnlyTheFirstOfSeveralDroppedFilesOpens)
{
    HGLOBAL drop = MakeDrop({FixturePath(L"mixed.pdf"), FixturePath(L"report.pdf"), FixturePath(L"empty.pdf")});
    SendMessageW(MainWindow, WM_DROPFILES, (WPARAM)drop, 0);
    EXPECT_TRUE(ReportedOpenErrors.empty());
    ASSERT_TRUE(IsDocumentOpen());
    EXPECT_STREQ(Document.fileName, L"mixed.pdf");
}

TEST_F(DropTest, FailedDropKeepsTheOpenDocument)
{
    OpenDocument(FixturePath(L"report.pdf").c_str());
    HGLOBAL drop = MakeDrop({FixturePath(L"empty.pdf")});
    SendMessageW(MainWindow, WM_DROPFILES, (WPARAM)drop, 0);
    EXPECT_EQ(ReportedOpenErrors, (std::vector<int>{0}));
    EXPECT_STREQ(Document.fileName, L"report.pdf");
}

// The window menu: a separator and five entries after the system's own.
std::vector<std::wstring> OwnMenuEntries(HWND window)
{
    HMENU menu = GetSystemMenu(window, FALSE);
    int count = GetMenuItemCount(menu);
    std::vector<std::wstring> texts;
    for (int i = count - 6; i < count; i++) {
        wchar_t text[128] = L"";
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        texts.push_back((info.fType & MFT_SEPARATOR) ? L"-" : std::to_wstring(info.wID) + L" " + text);
    }
    return texts;
}

TEST(WindowMenuTest, EntriesInBothLanguages)
{
    EnsureReaderWindows();
    EXPECT_EQ(OwnMenuEntries(MainWindow),
              (std::vector<std::wstring>{L"-", L"48 Thumbnails\tF4", L"64 Two-page view\tD", L"80 Cover alone\tShift+D",
                                         L"32 Default PDF reader\u2026", L"16 About Folivex\u2026\tF1"}));

    // A second set of windows built for a French user.
    HWND main = MainWindow, view = ViewWindow, edit = SearchEdit;
    int french = IsFrench;
    IsFrench = 1;
    CreateMainWindows(GetModuleHandleW(NULL));
    AppendSpreadMenuEntries();
    AppendLastMenuEntries();
    EXPECT_EQ(OwnMenuEntries(MainWindow),
              (std::vector<std::wstring>{L"-", L"48 Miniatures\tF4", L"64 Double page\tD",
                                         L"80 Couverture seule\tMaj+D", L"32 Lecteur PDF par d\u00e9faut\u2026",
                                         L"16 \u00c0 propos de Folivex\u2026\tF1"}));
    DestroyWindow(MainWindow);
    PumpMessages();
    MSG quit;
    PeekMessageW(&quit, NULL, WM_QUIT, WM_QUIT, PM_REMOVE); // posted by the destroyed window
    IsFrench = french;
    MainWindow = main;
    ViewWindow = view;
    SearchEdit = edit;
}

TEST(WindowMenuTest, FirstWindowIsNineHundredByAThousandAtNinetySixDpi)
{
    EnsureReaderWindows();
    RECT frame;
    GetWindowRect(MainWindow, &frame);
    EXPECT_EQ(frame.right - frame.left, ScaleDpi(900));
    EXPECT_EQ(frame.bottom - frame.top, ScaleDpi(1000));
    EXPECT_EQ(SearchBarHeight, ScaleDpi(36));
    EXPECT_EQ(GetWindowLongW(MainWindow, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, WS_EX_ACCEPTFILES);
    EXPECT_EQ((DWORD)GetWindowLongW(MainWindow, GWL_STYLE) & 0x02CF0000u, 0x02CF0000u);
}

} // namespace
