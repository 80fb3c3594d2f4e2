// Page layout arithmetic: fit-width, spreads, zoom limits, anchoring,
// scroll clamping, and the strip staying inside 32-bit range.
#include <gtest/gtest.h>

#include "ReaderSupport.h"
#include "app/Commands.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "view/Document.h"
#include "view/Layout.h"

namespace {

const double kA4Width = 595;
const double kA4Height = 842;

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureReaderWindows();
        DeleteTestSettings();
        ResetViewState(1000, 800);
    }
    void TearDown() override
    {
        HoldModifiers(false, false);
        RestoreFromSynthetic();
        ResetViewState(0, 0);
        DeleteTestSettings();
    }
};

TEST_F(LayoutTest, RoundingIsIntegerPartPlusOneHalf)
{
    EXPECT_EQ(RoundPixels(1.0, 10.49), 10);
    EXPECT_EQ(RoundPixels(1.0, 10.5), 11);
    EXPECT_EQ(RoundPixels(2.0, 0.25), 1);
    EXPECT_EQ(RoundPixels(0.5, 0.0), 0);
}

TEST_F(LayoutTest, FitWidthOfSinglePagesLeavesSixteenPixels)
{
    UseUniformPages(3, kA4Width, kA4Height);
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 984.0 / 595.0);
    int h = RoundPixels(ViewState.zoom, kA4Height);
    EXPECT_EQ(h, 1392); // 1392.48 rounds down
    EXPECT_EQ(ViewState.layoutWidth, 1000);
    EXPECT_EQ(Document.pageX[0], 8);
    EXPECT_EQ(Document.pageY[0], 8);
    EXPECT_EQ(Document.pageY[1], 8 + h + 8);
    EXPECT_EQ(Document.pageY[2], 8 + 2 * (h + 8));
    EXPECT_EQ(ViewState.layoutHeight, 8 + 3 * (h + 8));
}

TEST_F(LayoutTest, FitWidthOfSpreadsLeavesTwentyFourPixels)
{
    UseUniformPages(4, kA4Width, kA4Height);
    ViewState.doublePage = 1;
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 976.0 / 1190.0);
    EXPECT_EQ(ViewState.layoutWidth, 1000);
}

TEST_F(LayoutTest, OnePageIsNeverASpread)
{
    UseUniformPages(1, kA4Width, kA4Height);
    ViewState.doublePage = 1;
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 984.0 / 595.0);
    EXPECT_EQ(Document.pageX[0], 8);
}

TEST_F(LayoutTest, NarrowViewKeepsThePreviousZoom)
{
    UseUniformPages(2, kA4Width, kA4Height);
    ResetViewState(16, 800);
    ViewState.zoom = 0.7;
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 0.7);
    ResetViewState(17, 800);
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 1.0 / 595.0);
}

TEST_F(LayoutTest, NarrowPagesAreCentredOnTheWidest)
{
    UseSyntheticPages({{400, 600}, {200, 300}});
    ViewState.fitWidth = 0;
    LayoutPages(0, 0);
    EXPECT_EQ(ViewState.layoutWidth, 416);
    EXPECT_EQ(Document.pageX[0], 8);
    EXPECT_EQ(Document.pageX[1], (416 - 200) / 2);
    EXPECT_EQ(CentringOffset(), (1000 - 416) / 2);
}

TEST_F(LayoutTest, WideStripStartsAtTheLeftEdge)
{
    UseUniformPages(1, 2000, 100);
    ViewState.fitWidth = 0;
    LayoutPages(0, 0);
    EXPECT_EQ(ViewState.layoutWidth, 2016);
    EXPECT_EQ(CentringOffset(), 0);
}

TEST_F(LayoutTest, CoverAloneStandsOnTheRight)
{
    UseUniformPages(5, 100, 200);
    ViewState.fitWidth = 0;
    ViewState.doublePage = 1;
    LayoutPages(0, 0);
    int half = ViewState.layoutWidth / 2;
    EXPECT_EQ(ViewState.layoutWidth, 224);
    EXPECT_EQ(Document.pageX[0], half + 4);
    EXPECT_EQ(Document.pageY[0], 8);
    EXPECT_EQ(Document.pageX[1], half - 100 - 4);
    EXPECT_EQ(Document.pageX[2], half + 4);
    EXPECT_EQ(Document.pageY[1], 216);
    EXPECT_EQ(Document.pageY[2], 216);
    EXPECT_EQ(Document.pageY[3], 424);
    EXPECT_EQ(Document.pageY[4], 424);
    EXPECT_EQ(ViewState.layoutHeight, 632);
}

TEST_F(LayoutTest, PairedCoverLeavesTheLastPageOnTheLeft)
{
    UseUniformPages(5, 100, 200);
    ViewState.fitWidth = 0;
    ViewState.doublePage = 1;
    ViewState.coverPaired = 1;
    LayoutPages(0, 0);
    int half = ViewState.layoutWidth / 2;
    EXPECT_EQ(Document.pageY[0], Document.pageY[1]);
    EXPECT_EQ(Document.pageX[0], half - 104);
    EXPECT_EQ(Document.pageX[1], half + 4);
    EXPECT_EQ(Document.pageY[2], Document.pageY[3]);
    EXPECT_NE(Document.pageY[3], Document.pageY[4]);
    EXPECT_EQ(Document.pageX[4], half - 104);
    EXPECT_EQ(ViewState.layoutHeight, 8 + 3 * 208);
}

TEST_F(LayoutTest, SpreadRowIsAsTallAsItsTallerPage)
{
    UseSyntheticPages({{100, 200}, {100, 300}, {100, 150}, {100, 100}});
    ViewState.fitWidth = 0;
    ViewState.doublePage = 1;
    ViewState.coverPaired = 1;
    LayoutPages(0, 0);
    EXPECT_EQ(Document.pageY[0], 8);
    EXPECT_EQ(Document.pageY[1], 8);
    EXPECT_EQ(Document.pageY[2], 8 + 300 + 8);
    EXPECT_EQ(ViewState.layoutHeight, 8 + 308 + 158);
}

TEST_F(LayoutTest, ZoomStaysWithinItsLimits)
{
    UseUniformPages(3, kA4Width, kA4Height);
    LayoutPages(0, 0);
    SetZoom(1000.0, 0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 40.0);
    EXPECT_EQ(ViewState.fitWidth, 0);
    SetZoom(0.0001, 0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 0.05);
}

TEST_F(LayoutTest, ZoomKeysStopAtTheLimitsAndCtrlZeroFitsAgain)
{
    UseUniformPages(3, kA4Width, kA4Height);
    ViewState.fitWidth = 0;
    LayoutPages(0, 0);
    HoldModifiers(true, false);
    for (int i = 0; i < 30; i++) ASSERT_EQ(HandleCommandKey(VK_ADD), 1);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 40.0);
    for (int i = 0; i < 60; i++) HandleCommandKey(VK_OEM_MINUS);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 0.05);
    EXPECT_EQ(ViewState.fitWidth, 0);
    HandleCommandKey(VK_OEM_PLUS);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 0.05 * 1.25);
    HandleCommandKey('1');
    EXPECT_DOUBLE_EQ(ViewState.zoom, ScreenDpi / 72.0);
    HandleCommandKey(VK_NUMPAD0);
    EXPECT_EQ(ViewState.fitWidth, 1);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 984.0 / 595.0);
}

TEST_F(LayoutTest, ZoomKeysNeedCtrl)
{
    UseUniformPages(3, kA4Width, kA4Height);
    LayoutPages(0, 0);
    double zoom = ViewState.zoom;
    HoldModifiers(false, false);
    EXPECT_EQ(HandleCommandKey(VK_ADD), 0);
    EXPECT_EQ(HandleCommandKey('0'), 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, zoom);
    HoldModifiers(true, false);
    EXPECT_EQ(HandleCommandKey('D'), 0);
    EXPECT_EQ(HandleCommandKey(VK_F2), 0);
}

TEST_F(LayoutTest, ZoomWithoutADocumentDoesNothing)
{
    ViewState.zoom = 1.5;
    SetZoom(3.0, 0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 1.5);
    EXPECT_EQ(ViewState.fitWidth, 1);
}

TEST_F(LayoutTest, ResizingAfterAZoomKeepsIt)
{
    UseUniformPages(3, kA4Width, kA4Height);
    LayoutPages(0, 0);
    SetZoom(2.0, 0, 0);
    ViewState.viewWidth = 600;
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 2.0);
}

TEST_F(LayoutTest, ZoomKeepsTheStripPointUnderTheAnchor)
{
    UseUniformPages(10, kA4Width, kA4Height);
    ViewState.fitWidth = 0;
    LayoutPages(0, 0);
    ScrollViewTo(0, 3000);
    // Strip point under client (500, 400) before: (500, 3400) of a strip of
    // the current size; afterwards the same relative place.
    double fy = (3000.0 + 400) / ViewState.layoutHeight;
    SetZoom(2.0, 500, 400);
    EXPECT_EQ(ViewState.scrollY, (int)(ViewState.layoutHeight * fy) - 400);
}

TEST_F(LayoutTest, ResizeInFitWidthKeepsTheTopLeftAtTheSameRelativePlace)
{
    UseUniformPages(10, kA4Width, kA4Height);
    LayoutPages(0, 0);
    ScrollViewTo(0, 5000);
    double fy = 5000.0 / ViewState.layoutHeight;
    ViewState.viewWidth = 700;
    LayoutPages(0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 684.0 / 595.0);
    EXPECT_EQ(ViewState.scrollY, (int)(ViewState.layoutHeight * fy));
}

TEST_F(LayoutTest, ScrollingStopsAtTheEndsOfTheStrip)
{
    UseUniformPages(10, kA4Width, kA4Height);
    LayoutPages(0, 0);
    ScrollViewTo(50, 1 << 30);
    EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
    EXPECT_EQ(ViewState.scrollX, 0);
    ScrollViewTo(0, -5);
    EXPECT_EQ(ViewState.scrollY, 0);
}

TEST_F(LayoutTest, ShortStripStaysAtTheTop)
{
    UseUniformPages(1, 100, 100);
    ViewState.fitWidth = 0;
    LayoutPages(0, 0);
    ScrollViewTo(30, 30);
    EXPECT_EQ(ViewState.scrollX, 0);
    EXPECT_EQ(ViewState.scrollY, 0);
}

TEST_F(LayoutTest, EmptyDocumentHasNoStrip)
{
    UseUniformPages(0, 0, 0);
    LayoutPages(0, 0);
    EXPECT_EQ(ViewState.layoutWidth, 0);
    EXPECT_EQ(ViewState.layoutHeight, 0);
    EXPECT_EQ(ViewState.scrollX, 0);
    EXPECT_EQ(ViewState.scrollY, 0);
}

TEST_F(LayoutTest, SwitchingSpreadsKeepsTheCurrentPageAtTheTop)
{
    UseUniformPages(10, kA4Width, kA4Height);
    LayoutPages(0, 0);
    ScrollViewTo(0, Document.pageY[6] - 8);
    ASSERT_EQ(ViewState.titlePage, 6);
    SetSpreadMode(1, 0, 0);
    EXPECT_EQ(ViewState.scrollY, Document.pageY[6] - 8);
    EXPECT_EQ(Document.pageY[5], Document.pageY[6]);
    SetSpreadMode(0, 0, 0);
    EXPECT_EQ(ViewState.scrollY, Document.pageY[5] - 8);
}

TEST_F(LayoutTest, GoToPagePutsThePageEightPixelsBelowTheTop)
{
    UseUniformPages(10, kA4Width, kA4Height);
    LayoutPages(0, 0);
    GoToPage(4);
    EXPECT_EQ(ViewState.scrollY, Document.pageY[4] - 8);
    GoToPage(10);
    GoToPage(-1);
    EXPECT_EQ(ViewState.scrollY, Document.pageY[4] - 8);
}

// 5000 pages at zoom 40 fit in 32 bits when they are A4 (about 168 million
// pixels), so the zoom is not touched.
TEST_F(LayoutTest, LongDocumentAtZoomFortyKeepsTheZoomWhenItFits)
{
    UseUniformPages(5000, kA4Width, kA4Height);
    LayoutPages(0, 0);
    SetZoom(40.0, 0, 0);
    EXPECT_DOUBLE_EQ(ViewState.zoom, 40.0);
    EXPECT_EQ(ViewState.layoutHeight, 8 + 5000 * (8 + 33680));
    ScrollViewTo(0, 1 << 30);
    EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
}

// Pages of the largest size PDF allows (200 inches) would make a strip of
// almost three billion pixels at zoom 40: the zoom is lowered instead, and
// every position stays positive, increasing and inside the strip.
TEST_F(LayoutTest, HugeStripIsKeptWithinRangeByLoweringTheZoom)
{
    for (int spread = 0; spread < 2; spread++) {
        SCOPED_TRACE(spread);
        UseUniformPages(5000, 14400, 14400);
        ResetViewState(1000, 800);
        ViewState.doublePage = spread;
        LayoutPages(0, 0);
        SetZoom(40.0, 500, 400);
        EXPECT_LT(ViewState.zoom, 40.0);
        EXPECT_GT(ViewState.zoom, 1.0);
        EXPECT_GT(ViewState.layoutHeight, 0);
        EXPECT_LE(ViewState.layoutHeight, MAX_STRIP_EXTENT);
        EXPECT_LE(ViewState.layoutWidth, MAX_STRIP_EXTENT);
        int h = RoundPixels(ViewState.zoom, 14400);
        for (int i = 1; i < Document.pageCount; i++) {
            ASSERT_GE(Document.pageY[i], Document.pageY[i - 1]);
        }
        EXPECT_LE(Document.pageY[4999] + h + 8, ViewState.layoutHeight);
        ScrollViewTo(0, 0x7FFFFFFF);
        EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
        // Further zooming in stays at the ceiling; fit-width stays there too.
        double ceiling = ViewState.zoom;
        SetZoom(ViewState.zoom * 1.25, 0, 0);
        EXPECT_DOUBLE_EQ(ViewState.zoom, ceiling);
    }
}

TEST_F(LayoutTest, TinyPagesFittedToTheWidthStayInRange)
{
    // A one-point-wide page fitted to a 1000-pixel view would be enlarged
    // 984 times; thousands of tall ones would overflow.
    UseUniformPages(20000, 1, 14400);
    LayoutPages(0, 0);
    EXPECT_GT(ViewState.layoutHeight, 0);
    EXPECT_LE(ViewState.layoutHeight, MAX_STRIP_EXTENT);
}

TEST_F(LayoutTest, SpreadModeStoresBothChoicesAndChecksTheMenu)
{
    SetSpreadMode(1, 0, 1);
    EXPECT_EQ(GetSetting(L"DoublePage"), 1);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0);
    SetSpreadMode(1, 1, 0);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0) << "save 0 must not write";
    RestoreFromSynthetic();
    HMENU menu = GetSystemMenu(MainWindow, FALSE);
    SetSpreadMode(0, 0, 0);
    EXPECT_EQ(GetMenuState(menu, IDM_DOUBLE_PAGE, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(menu, IDM_COVER_ALONE, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    SetSpreadMode(1, 1, 0);
    EXPECT_EQ(GetMenuState(menu, IDM_DOUBLE_PAGE, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(GetMenuState(menu, IDM_COVER_ALONE, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SetSpreadMode(0, 0, 0);
}

} // namespace
