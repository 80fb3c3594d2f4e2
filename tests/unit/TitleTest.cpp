// The current page and the window title.
#include <gtest/gtest.h>

#include "ReaderSupport.h"
#include "app/Shell.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/Title.h"

namespace {

class TitleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureReaderWindows();
        ResetViewState(1000, 300); // probe line 100 pixels down
    }
    void TearDown() override
    {
        RestoreFromSynthetic();
        ResetViewState(0, 0);
    }
    std::wstring Title(int current)
    {
        wchar_t text[TITLE_CAPACITY];
        FormatTitle(text, current);
        return text;
    }
    // Pages of 100 x 200 points at zoom 1: page i spans 8 + 208 i to 208 + 208 i.
    void LayOutTenPages(int doublePage)
    {
        UseUniformPages(10, 100, 200);
        ViewState.fitWidth = 0;
        ViewState.doublePage = doublePage;
        LayoutPages(0, 0);
    }
};

TEST_F(TitleTest, NoDocumentIsJustTheProgramName)
{
    EXPECT_EQ(Title(0), L"Folivex");
    UpdateTitle();
    EXPECT_EQ(MainTitle(), L"Folivex");
}

TEST_F(TitleTest, SinglePageAtTheTop)
{
    LayOutTenPages(0);
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_EQ(Title(0), L"report.pdf - 1/10 - Folivex");
}

TEST_F(TitleTest, ProbeLineIsAThirdOfTheWayDown)
{
    LayOutTenPages(0);
    // Page 0 ends at 208: it is current while its bottom is below the line.
    ViewState.scrollY = 208 - 100 - 1;
    EXPECT_EQ(CurrentPage(), 0);
    // Equality already moves on.
    ViewState.scrollY = 208 - 100;
    EXPECT_EQ(CurrentPage(), 1);
    ViewState.viewHeight = 302; // 302 / 3 is still 100
    EXPECT_EQ(CurrentPage(), 1);
}

TEST_F(TitleTest, PastTheLastPageCountsAsTheFirst)
{
    LayOutTenPages(0);
    ViewState.scrollY = ViewState.layoutHeight;
    EXPECT_EQ(CurrentPage(), 0);
}

TEST_F(TitleTest, SpreadsNameBothPages)
{
    LayOutTenPages(1);
    EXPECT_EQ(Title(CurrentPage()), L"report.pdf - 1/10 - Folivex");
    ViewState.scrollY = Document.pageY[1] - 100;
    EXPECT_EQ(CurrentPage(), 1);
    EXPECT_EQ(Title(1), L"report.pdf - 2-3/10 - Folivex");
    ViewState.scrollY = Document.pageY[9] - 100;
    EXPECT_EQ(CurrentPage(), 9);
    EXPECT_EQ(Title(9), L"report.pdf - 10/10 - Folivex");
}

TEST_F(TitleTest, LongestFileNameFits)
{
    std::vector<std::pair<double, double>> pages(2147, {1, 1});
    UseSyntheticPages(pages);
    std::wstring name(259, L'n');
    lstrcpyW(Document.path, name.c_str());
    Document.fileName = Document.path;
    ViewState.fitWidth = 0;
    LayoutPages(0, 0);
    wchar_t text[TITLE_CAPACITY];
    FormatTitle(text, 2145);
    EXPECT_EQ(std::wstring(text), name + L" - 2146/2147 - Folivex");
}

// The caption is rewritten only when the current page changes.
TEST_F(TitleTest, ScrollWithinAPageLeavesTheCaptionAlone)
{
    HWND main = MainWindow;
    LayOutTenPages(0);
    MainWindow = main;
    ViewState.titlePage = -1;
    UpdateTitle();
    EXPECT_EQ(MainTitle(), L"report.pdf - 1/10 - Folivex");
    SetWindowTextW(MainWindow, L"marker");
    ViewState.scrollY = 20;
    UpdateTitle();
    EXPECT_EQ(MainTitle(), L"marker");
    ViewState.scrollY = 208 - 100;
    UpdateTitle();
    EXPECT_EQ(MainTitle(), L"report.pdf - 2/10 - Folivex");
    MainWindow = NULL;
}

} // namespace
