// Opening and closing documents, their errors, and the PDF page cache.
#include <gtest/gtest.h>

#include <string>

#include "ReaderSupport.h"
#include "app/Shell.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/PageCache.h"
#include "view/Title.h"

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureReaderWindows();
        ReportedOpenErrors.clear();
        if (!FixtureExists(L"report.pdf")) GTEST_SKIP() << "fixture documents are missing";
    }
    void TearDown() override
    {
        CloseDocument();
        ViewState.doublePage = 0;
        ViewState.coverPaired = 0;
        ViewState.fitWidth = 1;
        DeleteTestSettings();
    }
    void Open(const wchar_t *fixture)
    {
        OpenDocument(FixturePath(fixture).c_str());
    }
    // A scratch file in the temporary folder, written with the given bytes.
    std::wstring ScratchFile(const wchar_t *name, const char *bytes, DWORD size)
    {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        std::wstring path = std::wstring(dir) + name;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written = 0;
        if (size) WriteFile(file, bytes, size, &written, NULL);
        CloseHandle(file);
        return path;
    }
};

TEST_F(DocumentTest, ReportOpensFittedAtTheTop)
{
    Open(L"report.pdf");
    ASSERT_TRUE(ReportedOpenErrors.empty());
    ASSERT_TRUE(IsDocumentOpen());
    EXPECT_EQ(Document.pageCount, 10);
    EXPECT_NEAR(Document.pageWidths[0], 595.0, 1.0);
    EXPECT_NEAR(Document.pageHeights[0], 842.0, 1.0);
    EXPECT_EQ(std::wstring(Document.fileName), L"report.pdf");
    EXPECT_EQ(MainTitle(), L"report.pdf - 1/10 - Folivex");
    EXPECT_EQ(ViewState.fitWidth, 1);
    EXPECT_EQ(ViewState.layoutWidth, ViewState.viewWidth);
    EXPECT_EQ(ViewState.scrollY, 0);
}

TEST_F(DocumentTest, EveryErrorHasItsMessageInBothLanguages)
{
    int french = IsFrench;
    IsFrench = 0;
    EXPECT_STREQ(OpenErrorMessage(0), L"Cannot open this file.");
    EXPECT_STREQ(OpenErrorMessage(1), L"This archive contains no image.");
    EXPECT_STREQ(OpenErrorMessage(2), L"Password-protected document.");
    EXPECT_STREQ(OpenErrorMessage(3), L"Cannot read RAR archives: unrar.dll is missing next to Folivex.exe.");
    EXPECT_STREQ(OpenErrorMessage(4), L"Unreadable or damaged archive.");
    EXPECT_STREQ(OpenErrorMessage(77), L"Cannot open this file.");
    IsFrench = 1;
    EXPECT_STREQ(OpenErrorMessage(0), L"Impossible d'ouvrir ce fichier.");
    EXPECT_STREQ(OpenErrorMessage(1), L"Cette archive ne contient aucune image.");
    EXPECT_STREQ(OpenErrorMessage(2), L"Document prot\u00e9g\u00e9 par mot de passe.");
    EXPECT_STREQ(OpenErrorMessage(3),
                 L"Lecture des archives RAR impossible : unrar.dll manque \u00e0 c\u00f4t\u00e9 de Folivex.exe.");
    EXPECT_STREQ(OpenErrorMessage(4), L"Archive illisible ou endommag\u00e9e.");
    EXPECT_STREQ(OpenErrorMessage(-1), L"Impossible d'ouvrir ce fichier.");
    IsFrench = french;
}

TEST_F(DocumentTest, FailedOpenLeavesThePreviousDocumentUntouched)
{
    Open(L"report.pdf");
    ASSERT_TRUE(IsDocumentOpen());
    ScrollViewTo(0, 3000);
    FPDF_DOCUMENT before = Document.pdf;
    int scrollY = ViewState.scrollY;
    std::wstring title = MainTitle();
    ASSERT_NE(title, L"report.pdf - 1/10 - Folivex");

    Open(L"empty.pdf");
    Open(L"no-such-file.pdf");
    std::wstring garbage = ScratchFile(L"folivex-not-a-pdf.pdf", "hello, world", 12);
    OpenDocument(garbage.c_str());
    std::wstring password = FixturePath(L"user-password.pdf");
    OpenDocument(password.c_str());

    EXPECT_EQ(ReportedOpenErrors, (std::vector<int>{0, 0, 0, 2}));
    EXPECT_EQ(Document.pdf, before);
    EXPECT_EQ(ViewState.scrollY, scrollY);
    EXPECT_EQ(MainTitle(), title);
    EXPECT_EQ(std::wstring(Document.fileName), L"report.pdf");
    DeleteFileW(garbage.c_str());
}

TEST_F(DocumentTest, OwnerPasswordAloneDoesNotStopTheOpen)
{
    Open(L"owner-only.pdf");
    EXPECT_TRUE(ReportedOpenErrors.empty());
    EXPECT_TRUE(IsDocumentOpen());
}

TEST_F(DocumentTest, OpeningTheSameFileAgainLoadsItAfresh)
{
    Open(L"report.pdf");
    SetSpreadMode(1, 1, 0);
    SetZoom(2.0, 0, 0);
    ScrollViewTo(0, 5000);
    FPDF_DOCUMENT first = Document.pdf;
    Open(L"report.pdf");
    EXPECT_TRUE(ReportedOpenErrors.empty());
    EXPECT_NE(Document.pdf, first) << "the old copy is closed only after the new one loaded";
    EXPECT_EQ(ViewState.fitWidth, 1);
    EXPECT_EQ(ViewState.scrollY, 0);
    EXPECT_EQ(ViewState.doublePage, 1);
    EXPECT_EQ(ViewState.coverPaired, 1);
    EXPECT_EQ(MainTitle(), L"report.pdf - 1-2/10 - Folivex");
}

TEST_F(DocumentTest, LongPathIsStoredTruncatedButTheFileOpens)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring dir = std::wstring(temp) + L"folivex-long";
    CreateDirectoryW(dir.c_str(), NULL);
    while (dir.size() < 280) {
        dir += L"\\abcdefghijklmnopqrstuvwxyz0123456789";
        CreateDirectoryW(dir.c_str(), NULL);
    }
    std::wstring path = dir + L"\\report.pdf";
    ASSERT_TRUE(CopyFileW(FixturePath(L"report.pdf").c_str(), path.c_str(), FALSE)) << GetLastError();
    OpenDocument(path.c_str());
    EXPECT_TRUE(ReportedOpenErrors.empty());
    ASSERT_TRUE(IsDocumentOpen());
    EXPECT_EQ(lstrlenW(Document.path), 259);
    EXPECT_EQ(std::wstring(Document.path), path.substr(0, 259));
    CloseDocument();
    DeleteFileW(path.c_str());
}

TEST_F(DocumentTest, PageArrayBlockSizeIsCheckedBeforeItIsComputed)
{
    SIZE_T bytes = 0;
    ASSERT_TRUE(PageArrayBytes(0, &bytes));
    EXPECT_EQ(bytes, 1u);
    ASSERT_TRUE(PageArrayBytes(10, &bytes));
    EXPECT_EQ(bytes, 241u);
    ASSERT_TRUE(PageArrayBytes(MAX_PAGE_COUNT, &bytes));
    EXPECT_EQ(bytes, (SIZE_T)MAX_PAGE_COUNT * 24 + 1);
    // Counts whose 32-bit product would wrap around, or that are negative,
    // are refused.
    EXPECT_FALSE(PageArrayBytes(MAX_PAGE_COUNT + 1, &bytes));
    EXPECT_FALSE(PageArrayBytes(178956971, &bytes));
    EXPECT_FALSE(PageArrayBytes(0x7FFFFFFF, &bytes));
    EXPECT_FALSE(PageArrayBytes(-1, &bytes));
}

TEST_F(DocumentTest, CloseReleasesEverythingButThePath)
{
    Open(L"report.pdf");
    GetPdfPage(0);
    CloseDocument();
    EXPECT_FALSE(IsDocumentOpen());
    EXPECT_EQ(Document.pageCount, 0);
    EXPECT_EQ(Document.pageWidths, nullptr);
    EXPECT_EQ(Document.mapping, nullptr);
    EXPECT_EQ(Document.mappedView, nullptr);
    for (int i = 0; i < PAGE_CACHE_SLOTS; i++) EXPECT_EQ(PageCache.slots[i].page, nullptr);
    EXPECT_EQ(std::wstring(Document.fileName), L"report.pdf");
    CloseDocument(); // harmless twice
}

TEST_F(DocumentTest, FileStaysSharedWhileOpen)
{
    std::wstring path = ScratchFile(L"folivex-shared.pdf", "", 0);
    ASSERT_TRUE(CopyFileW(FixturePath(L"report.pdf").c_str(), path.c_str(), FALSE));
    OpenDocument(path.c_str());
    ASSERT_TRUE(IsDocumentOpen());
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                NULL, OPEN_EXISTING, 0, NULL);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE);
    CloseHandle(writer);
    CloseDocument();
    DeleteFileW(path.c_str());
}

TEST_F(DocumentTest, ArchivesFollowTheComicPathWhateverTheirName)
{
    if (!FixtureExists(L"comic.cbz")) GTEST_SKIP() << "no comic fixture";
    Open(L"comic.cbz");
    ASSERT_TRUE(ReportedOpenErrors.empty());
    ASSERT_NE(Document.comic, nullptr);
    EXPECT_EQ(Document.pdf, nullptr);
    EXPECT_GE(Document.pageCount, 1);
    EXPECT_GT(Document.pageHeights[0], 0.0);
    std::wstring title = L"comic.cbz - 1/" + std::to_wstring(Document.pageCount) + L" - Folivex";
    EXPECT_EQ(MainTitle(), title);

    std::wstring renamed = ScratchFile(L"folivex-comic-named.pdf", "", 0);
    ASSERT_TRUE(CopyFileW(FixturePath(L"comic.cbz").c_str(), renamed.c_str(), FALSE));
    OpenDocument(renamed.c_str());
    EXPECT_TRUE(ReportedOpenErrors.empty());
    EXPECT_NE(Document.comic, nullptr);

    // An archive without images is refused and the comic stays open.
    ComicBook *before = Document.comic;
    if (FixtureExists(L"not-images.cbz")) {
        Open(L"not-images.cbz");
        EXPECT_EQ(ReportedOpenErrors, (std::vector<int>{1}));
        EXPECT_EQ(Document.comic, before);
    }
    Open(L"report.pdf");
    EXPECT_EQ(Document.comic, nullptr);
    EXPECT_NE(Document.pdf, nullptr);
    CloseDocument();
    DeleteFileW(renamed.c_str());
}

// The whole length of a long document at the highest zoom: positions keep
// increasing, the end of the strip is reachable and names the last page.
TEST_F(DocumentTest, LongDocumentAtZoomFortyReachesItsLastPage)
{
    Open(L"long.pdf");
    ASSERT_GE(Document.pageCount, 1000);
    SetZoom(40.0, 0, 0);
    long long expected = 8;
    for (int i = 0; i < Document.pageCount; i++) expected += RoundPixels(ViewState.zoom, Document.pageHeights[i]) + 8;
    EXPECT_EQ(ViewState.layoutHeight, expected);
    EXPECT_LE(ViewState.layoutHeight, MAX_STRIP_EXTENT);
    for (int i = 1; i < Document.pageCount; i++) ASSERT_GT(Document.pageY[i], Document.pageY[i - 1]);
    SendMessageW(ViewWindow, WM_KEYDOWN, VK_END, 1);
    EXPECT_EQ(ViewState.scrollY, ViewState.layoutHeight - ViewState.viewHeight);
    std::wstring last = std::to_wstring(Document.pageCount);
    EXPECT_EQ(MainTitle(), L"long.pdf - " + last + L"/" + last + L" - Folivex");
}

class PageCacheTest : public DocumentTest {};

TEST_F(PageCacheTest, HitReturnsTheSamePage)
{
    Open(L"report.pdf");
    FPDF_PAGE page = GetPdfPage(3);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(GetPdfPage(3), page);
}

TEST_F(PageCacheTest, SixteenMissesLaterThePageIsGone)
{
    Open(L"long.pdf");
    ASSERT_GE(Document.pageCount, 40);
    GetPdfPage(0);
    for (int i = 1; i <= 15; i++) GetPdfPage(i);
    int held = 0;
    for (int s = 0; s < PAGE_CACHE_SLOTS; s++) held += PageCache.slots[s].page && PageCache.slots[s].pageIndex == 0;
    EXPECT_EQ(held, 1);
    GetPdfPage(0); // a hit does not refresh it
    GetPdfPage(16);
    held = 0;
    for (int s = 0; s < PAGE_CACHE_SLOTS; s++) held += PageCache.slots[s].page && PageCache.slots[s].pageIndex == 0;
    EXPECT_EQ(held, 0);
}

TEST_F(PageCacheTest, NewDocumentStartsWithAnEmptyCache)
{
    Open(L"long.pdf");
    GetPdfPage(0);
    Open(L"report.pdf");
    for (int s = 0; s < PAGE_CACHE_SLOTS; s++) EXPECT_EQ(PageCache.slots[s].page, nullptr);
    FPDF_PAGE page = GetPdfPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_NEAR(FPDF_GetPageWidth(page), 595.0, 1.0);
}

} // namespace
