// Text search: the order in which matches are visited (fresh searches from
// the current page, continuation from the hit, wrap-around both ways), the
// text rules (letter case, length, empty), the scroll band, the highlight
// blend, and the search bar's keys, against generated PDFs.
//
// report.pdf holds "needle" on pages 2, 5 (twice, the second as "NEEDLE")
// and 9; page indexes below count from 0, so the matches are on 1, 4, 4, 8.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "app/Commands.h"
#include "tests/unit/SearchTestSupport.h"
#include "view/PageCache.h"

using namespace searchtest;

namespace {

typedef std::pair<int, int> Hit;  // page, first character index

Hit CurrentHit()
{
    return Hit(SearchState.hitPage, SearchState.hitIndex);
}

Hit Find(const wchar_t *text, int direction)
{
    SetWindowTextW(SearchEdit, text);
    FindText(direction);
    return CurrentHit();
}

class Search : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenFixture(L"report.pdf"));
        HoldModifiers(false, false);
    }
    void TearDown() override
    {
        HoldModifiers(false, false);
    }
    // Scrolls so that the page is the current one, as after a jump to it.
    void MakeCurrent(int page)
    {
        GoToPage(page);
        ASSERT_EQ(ViewState.titlePage, page);
    }
};

TEST_F(Search, FreshForwardSearchWalksEveryMatchThenWraps)
{
    std::vector<Hit> hits;
    for (int i = 0; i < 5; i++) hits.push_back(Find(L"needle", 1));
    EXPECT_EQ(hits[0].first, 1);
    EXPECT_EQ(hits[1].first, 4);
    EXPECT_EQ(hits[2].first, 4);
    EXPECT_LT(hits[1].second, hits[2].second);
    EXPECT_EQ(hits[3].first, 8);
    EXPECT_EQ(hits[4], hits[0]);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Search, FreshBackwardSearchFromTheFirstPageWrapsToTheLastMatch)
{
    std::vector<Hit> hits;
    for (int i = 0; i < 5; i++) hits.push_back(Find(L"needle", -1));
    EXPECT_EQ(hits[0].first, 8);
    EXPECT_EQ(hits[1].first, 4);
    EXPECT_EQ(hits[2].first, 4);
    EXPECT_GT(hits[1].second, hits[2].second);
    EXPECT_EQ(hits[3].first, 1);
    EXPECT_EQ(hits[4], hits[0]);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Search, DirectionCanChangeBetweenSteps)
{
    Hit first = Find(L"needle", 1);
    Hit second = Find(L"needle", 1);
    EXPECT_EQ(Find(L"needle", -1), first);
    EXPECT_EQ(Find(L"needle", 1), second);
    // Backward from the first match of the document wraps to the last one.
    EXPECT_EQ(Find(L"needle", -1), first);
    EXPECT_EQ(Find(L"needle", -1).first, 8);
}

TEST_F(Search, FreshSearchStartsOnTheCurrentPage)
{
    Hit all[4];
    for (int i = 0; i < 4; i++) all[i] = Find(L"needle", 1);
    ShowSearchBar(0);  // forgets the hit, keeps the text
    MakeCurrent(4);
    EXPECT_EQ(Find(L"needle", 1), all[1]) << "forward takes the page's first match";
    ShowSearchBar(0);
    MakeCurrent(4);
    EXPECT_EQ(Find(L"needle", -1), all[2]) << "backward takes the page's last match";
    ShowSearchBar(0);
    MakeCurrent(6);
    EXPECT_EQ(Find(L"needle", 1), all[3]);
    ShowSearchBar(0);
    MakeCurrent(6);
    EXPECT_EQ(Find(L"needle", -1), all[2]);
}

TEST_F(Search, ContinuationStartsFromTheHitNotFromThePageInView)
{
    Hit first = Find(L"needle", 1);
    ASSERT_EQ(first.first, 1);
    MakeCurrent(7);
    EXPECT_EQ(Find(L"needle", 1).first, 4);
    MakeCurrent(0);
    EXPECT_EQ(Find(L"needle", -1), first);
}

TEST_F(Search, TheOnlyOccurrenceIsFoundAgainWithoutABeep)
{
    Hit only = Find(L"Line 4 of page 7", 1);
    EXPECT_EQ(only.first, 6);
    ScrollViewTo(0, 0);
    EXPECT_EQ(Find(L"Line 4 of page 7", 1), only);
    EXPECT_GT(ViewState.scrollY, 0) << "scrolled back to the match";
    EXPECT_EQ(Find(L"Line 4 of page 7", -1), only);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Search, NothingFoundBeepsRemovesTheHitAndLeavesTheView)
{
    Find(L"needle", 1);
    Find(L"needle", 1);
    int scrollY = ViewState.scrollY;
    ASSERT_GT(scrollY, 0);
    EXPECT_EQ(Find(L"zebra", 1).first, -1);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(SearchState.hitRectCount, 0);
    EXPECT_EQ(ViewState.scrollY, scrollY);
    EXPECT_STREQ(SearchState.lastText, L"zebra");
    EXPECT_EQ(Find(L"zebra", -1).first, -1);
    EXPECT_EQ(Beeps(), 2);
    // The next search starts afresh from the current page (page 4 here).
    EXPECT_EQ(ViewState.titlePage, 4);
    EXPECT_EQ(Find(L"needle", 1).first, 4);
}

TEST_F(Search, ALetterCaseChangeIsANewTextThoughMatchingIgnoresCase)
{
    Find(L"needle", 1);
    Hit second = Find(L"needle", 1);
    ASSERT_EQ(second.first, 4);
    MakeCurrent(0);
    // Same text: continues after the hit on page 4.
    Hit third = Find(L"needle", 1);
    EXPECT_EQ(third.first, 4);
    EXPECT_GT(third.second, second.second);
    MakeCurrent(0);
    // Other case: a new search from the current page, which matches the
    // lower-case word on page 1.
    EXPECT_EQ(Find(L"NEEDLE", 1).first, 1);
    EXPECT_STREQ(SearchState.lastText, L"NEEDLE");
    EXPECT_EQ(Find(L"NeEdLe", 1).first, 1);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Search, TextsDifferingOnlyByIgnorableCharactersAreDifferentTexts)
{
    // A soft hyphen is ignored by linguistic comparison; the new text must
    // still be the one searched (and found nowhere).
    Find(L"needle", 1);
    EXPECT_EQ(Find(L"nee\u00ADdle", 1).first, -1);
    EXPECT_STREQ(SearchState.lastText, L"nee\u00ADdle");
    EXPECT_EQ(Beeps(), 1);
}

TEST_F(Search, OnlyTheFirst255CharactersAreSearched)
{
    std::wstring longText = L"needle" + std::wstring(294, L'x');
    Find(longText.c_str(), 1);
    EXPECT_EQ(lstrlenW(SearchState.lastText), 255);
    EXPECT_EQ(std::wstring(SearchState.lastText), longText.substr(0, 255));
    EXPECT_EQ(Beeps(), 1);
}

TEST_F(Search, EmptyTextOrNoPdfDoesNothing)
{
    Hit hit = Find(L"needle", 1);
    EXPECT_EQ(Find(L"", 1), hit);
    EXPECT_STREQ(SearchState.lastText, L"needle");
    EXPECT_EQ(Beeps(), 0);
    CloseDocument();
    SetWindowTextW(SearchEdit, L"zebra");
    FindText(1);
    FindText(-1);
    EXPECT_EQ(Beeps(), 0);
    EXPECT_STREQ(SearchState.lastText, L"needle");
}

TEST_F(Search, OpeningADocumentForgetsTheHitButKeepsTheText)
{
    Find(L"needle", 1);
    ASSERT_GE(SearchState.hitPage, 0);
    OpenDocument(FixturePath(L"report.pdf").c_str());
    EXPECT_EQ(SearchState.hitPage, -1);
    EXPECT_STREQ(SearchState.lastText, L"needle");
}

TEST_F(Search, MatchRectanglesAreInPageSpace)
{
    Find(L"needle", 1);
    ASSERT_EQ(SearchState.hitPage, 1);
    ASSERT_EQ(SearchState.hitRectCount, 1);
    const SearchHitRect &r = SearchState.hitRects[0];
    // Page 2, line 3 (0-based): baseline y = 720 - 3 * 20 = 660, 12 pt text.
    EXPECT_GT(r.top, r.bottom);
    EXPECT_GT(r.left, 72.0 + 40);
    EXPECT_LT(r.right, 72.0 + 300);
    EXPECT_NEAR(r.bottom, 660, 4);
    EXPECT_NEAR(r.top, 669, 4);
    EXPECT_NEAR(r.right - r.left, 34.7, 3);  // "needle" in Helvetica 12
}

TEST_F(Search, AMatchOverMoreThan64RectanglesKeepsTheFirst64)
{
    ASSERT_TRUE(OpenFixture(L"many-rects.pdf"));
    std::wstring line;
    for (int i = 0; i < 7; i++) line += L"abdeghnopqu";
    Find(line.c_str(), 1);
    ASSERT_EQ(SearchState.hitPage, 0);
    EXPECT_EQ(SearchState.hitRectCount, 64);
    EXPECT_NEAR(SearchState.hitRects[0].left, 20, 1.5);
    EXPECT_NEAR(SearchState.hitRects[63].left, 20 + 63 * 5.56, 1.5);
    // A shorter match of the same kind stays below the cap.
    Find(L"abdeghnopqu", 1);
    EXPECT_EQ(SearchState.hitRectCount, 11);
}

// The top-left corner of the current hit in strip pixels, computed the way
// the view places pages.
POINT HitStripPoint()
{
    int p = SearchState.hitPage;
    int w = RoundPixels(ViewState.zoom, Document.pageWidths[p]);
    int h = RoundPixels(ViewState.zoom, Document.pageHeights[p]);
    int dx = 0, dy = 0;
    FPDF_PageToDevice(GetPdfPage(p), 0, 0, w, h, 0, SearchState.hitRects[0].left, SearchState.hitRects[0].top, &dx,
                      &dy);
    POINT pt = {CentringOffset() + Document.pageX[p] + dx, Document.pageY[p] + dy};
    return pt;
}

TEST_F(Search, AHitOutsideTheBandIsScrolledAThirdDownTheView)
{
    Find(L"needle", 1);
    POINT hit = HitStripPoint();
    EXPECT_EQ(ViewState.scrollY, hit.y - ViewState.viewHeight / 3);
    EXPECT_EQ(ViewState.scrollX, 0);
    // The second match on page 5 is four lines below the first: already in
    // the band, so the view stays.
    Find(L"needle", 1);
    int scrollY = ViewState.scrollY;
    Find(L"needle", 1);
    ASSERT_EQ(SearchState.hitPage, 4);
    EXPECT_EQ(ViewState.scrollY, scrollY);
    EXPECT_GT(HitStripPoint().y, scrollY + 20);
}

TEST_F(Search, AHitOutsideTheBandHorizontallyIsCentred)
{
    // Zoomed in so the strip is wider than the view and scrolled right.
    SetZoom(4.0, 0, 0);
    ScrollViewTo(ViewState.layoutWidth, 0);
    Find(L"needle", 1);
    POINT hit = HitStripPoint();
    EXPECT_EQ(ViewState.scrollX, hit.x - ViewState.viewWidth / 2);
    EXPECT_EQ(ViewState.scrollY, hit.y - ViewState.viewHeight / 3);
}

TEST(SearchBand, EdgesOfTheBand)
{
    EnsureWindows();
    ViewStateRecord saved = ViewState;
    ViewState.viewWidth = 800;
    ViewState.viewHeight = 601;
    ViewState.scrollX = 100;
    ViewState.scrollY = 1000;
    int x, y;
    // Vertical: from 20 below the top to 60 above the bottom, bottom excluded.
    SearchScrollTarget(500, 1020, &x, &y);
    EXPECT_EQ(y, 1000);
    SearchScrollTarget(500, 1019, &x, &y);
    EXPECT_EQ(y, 1019 - 200);
    SearchScrollTarget(500, 1000 + 601 - 60 - 1, &x, &y);
    EXPECT_EQ(y, 1000);
    SearchScrollTarget(500, 1000 + 601 - 60, &x, &y);
    EXPECT_EQ(y, 1541 - 200);
    // Horizontal: from the left edge to 40 before the right edge.
    SearchScrollTarget(100, 1100, &x, &y);
    EXPECT_EQ(x, 100);
    SearchScrollTarget(99, 1100, &x, &y);
    EXPECT_EQ(x, 99 - 400);
    SearchScrollTarget(100 + 800 - 40 - 1, 1100, &x, &y);
    EXPECT_EQ(x, 100);
    SearchScrollTarget(100 + 800 - 40, 1100, &x, &y);
    EXPECT_EQ(x, 860 - 400);
    // Both axes are decided separately.
    SearchScrollTarget(5000, 1100, &x, &y);
    EXPECT_EQ(x, 4600);
    EXPECT_EQ(y, 1000);
    ViewState = saved;
}

// A bitmap of 4 x 3 pixels with 4 bytes of padding per row.
struct SmallBitmap {
    enum { W = 4, H = 3, STRIDE = 20 };
    unsigned char bytes[STRIDE * H];
    SmallBitmap()
    {
        for (int i = 0; i < STRIDE * H; i++) bytes[i] = 0xEE;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++) {
                unsigned char *p = Px(x, y);
                p[0] = 201;  // blue
                p[1] = 100;  // green
                p[2] = 1;    // red
                p[3] = 0x7F;
            }
    }
    unsigned char *Px(int x, int y) { return bytes + y * STRIDE + x * 4; }
    bool Tinted(int x, int y) { return Px(x, y)[0] == 100 && Px(x, y)[1] == 165 && Px(x, y)[2] == 128; }
    bool Untouched(int x, int y) { return Px(x, y)[0] == 201 && Px(x, y)[1] == 100 && Px(x, y)[2] == 1; }
};

TEST(SearchBlend, HalfWayToYellowOverTheGrownRectangle)
{
    SmallBitmap b;
    BlendHighlight(b.bytes, SmallBitmap::W, SmallBitmap::H, SmallBitmap::STRIDE, 2, 1, 3, 2);
    // [2, 3) x [1, 2) grown by one: [1, 4) x [0, 3).
    for (int y = 0; y < 3; y++) {
        EXPECT_TRUE(b.Untouched(0, y)) << y;
        for (int x = 1; x < 4; x++) EXPECT_TRUE(b.Tinted(x, y)) << x << "," << y;
    }
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) EXPECT_EQ(b.Px(x, y)[3], 0x7F) << "the fourth byte is left alone";
    for (int y = 0; y < 3; y++)
        for (int i = 16; i < 20; i++) EXPECT_EQ(b.bytes[y * 20 + i], 0xEE) << "row padding is left alone";
}

TEST(SearchBlend, IntegerHalvingAndDoubleBlendOfOverlaps)
{
    SmallBitmap b;
    unsigned char *p = b.Px(0, 0);
    p[0] = 255;
    p[1] = 0;
    p[2] = 0;
    BlendHighlight(b.bytes, 4, 3, 20, 0, 0, 0, 0);  // grows to [0, 1) x [0, 1)
    EXPECT_EQ(p[0], 127);
    EXPECT_EQ(p[1], 115);
    EXPECT_EQ(p[2], 127);
    BlendHighlight(b.bytes, 4, 3, 20, 0, 0, 0, 0);
    EXPECT_EQ(p[0], 63);
    EXPECT_EQ(p[1], 172);
    EXPECT_EQ(p[2], 191);
    EXPECT_TRUE(b.Untouched(1, 1));
}

TEST(SearchBlend, ClippedToTheBitmapAndNothingForEmptyRanges)
{
    SmallBitmap whole;
    BlendHighlight(whole.bytes, 4, 3, 20, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) EXPECT_TRUE(whole.Tinted(x, y));
    SmallBitmap outside;
    BlendHighlight(outside.bytes, 4, 3, 20, 6, 0, 9, 3);   // right of the bitmap
    BlendHighlight(outside.bytes, 4, 3, 20, 0, -9, 4, -2);  // above it
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) EXPECT_TRUE(outside.Untouched(x, y));
    SmallBitmap edge;
    BlendHighlight(edge.bytes, 4, 3, 20, 5, 4, 5, 4);  // grown to [4, 6) x [3, 5): just outside
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) EXPECT_TRUE(edge.Untouched(x, y));
}

TEST_F(Search, DrawSearchHighlightTintsTheMatchInTheRenderedPage)
{
    Find(L"needle", 1);
    ASSERT_EQ(SearchState.hitPage, 1);
    FPDF_PAGE page = GetPdfPage(1);
    int w = 595, h = 842;
    int x = 10, y = -20;  // the page box relative to the bitmap, partly above it
    FPDF_BITMAP bitmap = FPDFBitmap_Create(620, 800, 0);
    ASSERT_NE(bitmap, nullptr);
    FPDFBitmap_FillRect(bitmap, 0, 0, 620, 800, 0xFFFFFFFF);
    // Grey-scale text: LCD text has coloured fringes that could pass for tint.
    FPDF_RenderPageBitmap(bitmap, page, x, y, w, h, 0, FPDF_ANNOT);
    DrawSearchHighlight(page, bitmap, x, y, w, h);
    const unsigned char *bits = (const unsigned char *)FPDFBitmap_GetBuffer(bitmap);
    int stride = FPDFBitmap_GetStride(bitmap);
    int minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1, count = 0;
    for (int row = 0; row < 800; row++)
        for (int col = 0; col < 620; col++) {
            const unsigned char *p = bits + row * stride + col * 4;
            if (p[0] == 127 && p[1] == 242 && p[2] == 255) {  // white, tinted
                count++;
                if (col < minX) minX = col;
                if (col > maxX) maxX = col;
                if (row < minY) minY = row;
                if (row > maxY) maxY = row;
            }
        }
    FPDFBitmap_Destroy(bitmap);
    const SearchHitRect &r = SearchState.hitRects[0];
    // Page space to the box: x grows right, y grows down from the top.
    EXPECT_GT(count, 100);
    EXPECT_NEAR(minX, x + r.left - 1, 1.5);
    EXPECT_NEAR(maxX, x + r.right, 1.5);
    EXPECT_NEAR(minY, y + (842 - r.top) - 1, 1.5);
    EXPECT_NEAR(maxY, y + (842 - r.bottom), 1.5);
}

// --- The search bar -------------------------------------------------------

bool BarShown()
{
    return (GetWindowLongW(SearchEdit, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::pair<int, int> Selection()
{
    DWORD start = 0, end = 0;
    SendMessageW(SearchEdit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return std::make_pair((int)start, (int)end);
}

TEST_F(Search, ShowingTheBarSelectsItsTextAndHidingItRemovesTheHit)
{
    SetWindowTextW(SearchEdit, L"needle");
    ShowSearchBar(1);
    EXPECT_TRUE(BarShown());
    EXPECT_EQ(Selection(), std::make_pair(0, 6));
    FindText(1);
    ASSERT_GE(SearchState.hitPage, 0);
    ShowSearchBar(0);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(SearchState.hitPage, -1);
    EXPECT_STREQ(SearchState.lastText, L"needle");
    // A hidden bar still holds its text: F3 searches it.
    EXPECT_EQ(SendMessageW(ViewWindow, WM_KEYDOWN, VK_F3, 0), 0);
    EXPECT_EQ(SearchState.hitPage, 1);
}

TEST_F(Search, EnterAndShiftEnterInTheBarSearch)
{
    SetWindowTextW(SearchEdit, L"needle");
    ShowSearchBar(1);
    EXPECT_EQ(SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0), 0);
    EXPECT_EQ(SearchState.hitPage, 1);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SearchState.hitPage, 4);
    HoldModifiers(false, true);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SearchState.hitPage, 1);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_F3, 0);  // Shift+F3: previous
    EXPECT_EQ(SearchState.hitPage, 8);
    HoldModifiers(false, false);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_F3, 0);
    EXPECT_EQ(SearchState.hitPage, 1);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(Search, EscInTheBarOrTheViewClosesIt)
{
    SetWindowTextW(SearchEdit, L"needle");
    ShowSearchBar(1);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(SendMessageW(SearchEdit, WM_KEYDOWN, VK_ESCAPE, 0), 0);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(SearchState.hitPage, -1);
    // The view closes the bar only when it is really visible on screen.
    ShowWindow(MainWindow, SW_SHOWNOACTIVATE);
    ShowSearchBar(1);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_GE(SearchState.hitPage, 0);
    SendMessageW(ViewWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(SearchState.hitPage, -1);
    ShowWindow(MainWindow, SW_HIDE);
}

TEST_F(Search, PageKeysInTheBarPageTheDocument)
{
    ShowSearchBar(1);
    int page = ViewState.viewHeight - ScaleDpi(48);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(ViewState.scrollY, page);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(ViewState.scrollY, 2 * page);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_EQ(ViewState.scrollY, page);
    HoldModifiers(false, true);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_NEXT, 0);  // Shift+Page Down goes up
    EXPECT_EQ(ViewState.scrollY, 0);
}

TEST_F(Search, CommandKeysWorkInTheBarAndOtherKeysEditTheText)
{
    SetWindowTextW(SearchEdit, L"needle");
    ShowSearchBar(1);
    SendMessageW(SearchEdit, EM_SETSEL, 6, 6);
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(Selection(), std::make_pair(5, 5)) << "arrows move the caret";
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    HoldModifiers(true, false);
    SendMessageW(SearchEdit, WM_KEYDOWN, 'F', 0);  // Ctrl+F selects the text again
    EXPECT_EQ(Selection(), std::make_pair(0, 6));
    double zoom = ViewState.zoom;
    SendMessageW(SearchEdit, WM_KEYDOWN, VK_ADD, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, zoom * 1.25);
}

TEST_F(Search, ControlCharactersAreSwallowedAndCtrlASelectsAll)
{
    SetWindowTextW(SearchEdit, L"abc");
    ShowSearchBar(1);
    SendMessageW(SearchEdit, EM_SETSEL, 3, 3);
    const WPARAM swallowed[] = {0x06, 0x0D, 0x0F, 0x10, 0x17, 0x1B};
    for (WPARAM ch : swallowed) EXPECT_EQ(SendMessageW(SearchEdit, WM_CHAR, ch, 0), 0);
    wchar_t text[16] = L"";
    GetWindowTextW(SearchEdit, text, 16);
    EXPECT_STREQ(text, L"abc");
    SendMessageW(SearchEdit, WM_CHAR, L'd', 0);
    GetWindowTextW(SearchEdit, text, 16);
    EXPECT_STREQ(text, L"abcd");
    EXPECT_EQ(SendMessageW(SearchEdit, WM_CHAR, 0x01, 0), 0);
    EXPECT_EQ(Selection(), std::make_pair(0, 4));
}

// The information box a comic gets instead of the bar: read and closed
// from a timer, which runs inside the box's own message loop.
std::wstring comicBoxText;
std::wstring comicBoxCaption;

BOOL CALLBACK CloseBoxOfThread(HWND hwnd, LPARAM)
{
    wchar_t cls[32] = L"";
    GetClassNameW(hwnd, cls, 32);
    if (lstrcmpW(cls, L"#32770") != 0) return TRUE;
    wchar_t text[256] = L"";
    GetDlgItemTextW(hwnd, 0xFFFF, text, 256);
    comicBoxText = text;
    GetWindowTextW(hwnd, text, 256);
    comicBoxCaption = text;
    PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK CloseBoxTimer(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), CloseBoxOfThread, 0);
}

TEST_F(Search, AComicGetsTheInformationMessageInsteadOfTheBar)
{
    DocumentRecord saved = Document;
    Document.pdf = NULL;
    Document.comic = (ComicBook *)(void *)&saved;  // stands for "a comic is open"; never read
    comicBoxText.clear();
    UINT_PTR timer = SetTimer(NULL, 0, 200, CloseBoxTimer);
    ShowSearchBar(1);
    KillTimer(NULL, timer);
    EXPECT_EQ(comicBoxText, L"A comic is made of images only: there is no text to search.");
    EXPECT_EQ(comicBoxCaption, L"Folivex");
    EXPECT_FALSE(BarShown());
    // A search with a comic open does nothing at all.
    SetWindowTextW(SearchEdit, L"needle");
    FindText(1);
    EXPECT_EQ(SearchState.hitPage, -1);
    EXPECT_EQ(Beeps(), 0);
    Document = saved;
}

}  // namespace
