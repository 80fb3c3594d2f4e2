// The decoded-page cache, the synchronous page decode, the background
// worker and its hand-back, the prefetch policy, and closing a comic while
// the worker decodes one of its pages.
#include <gtest/gtest.h>

#include <vector>

#include "ImagingSupport.h"
#include "imaging/Decode.h"
#include "imaging/PageImages.h"
#include "view/ViewWindow.h"
#include "view/Document.h"
#include "view/Layout.h"

namespace {

// A pixel buffer standing for an image; the cache only keeps the pointer,
// so large images need not be allocated at their size.
BYTE* Token() {
    return (BYTE*)HeapAlloc(GetProcessHeap(), 0, 16);
}

int Occupied(const ComicBook* book) {
    int n = 0;
    for (const PageImageSlot& s : book->decodedSlots) n += s.pixels != nullptr;
    return n;
}

struct EmptyBook {
    ComicBook* book = MakeBook({});
    EmptyBook() {
        // Thirty pages of nothing: the cache does not look at the entries.
        HeapFree(GetProcessHeap(), 0, book->entries);
        book->entries = (ArchiveEntry*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ArchiveEntry) * 30);
        book->entryCount = 30;
    }
    ~EmptyBook() { FreeComicBook(book); }
};

TEST(PageImageCache, FindsOnlyTheExactPageAndSize) {
    EmptyBook b;
    PageImageSlot* slot = StoreCachedImage(b.book, 4, 100, 50, Token());
    ASSERT_TRUE(slot != nullptr);
    EXPECT_EQ(1u, slot->stamp);
    EXPECT_EQ(20000u, b.book->cachedBytes);
    EXPECT_EQ(slot, FindCachedImage(b.book, 4, 100, 50));
    EXPECT_EQ(2u, slot->stamp);
    EXPECT_EQ(2u, b.book->slotClock);
    EXPECT_TRUE(FindCachedImage(b.book, 4, 100, 51) == nullptr);
    EXPECT_TRUE(FindCachedImage(b.book, 4, 99, 50) == nullptr);
    EXPECT_TRUE(FindCachedImage(b.book, 5, 100, 50) == nullptr);
    EXPECT_EQ(2u, b.book->slotClock);  // misses do not count
}

TEST(PageImageCache, SamePageAtTwoZoomsTakesTwoSlots) {
    EmptyBook b;
    PageImageSlot* small = StoreCachedImage(b.book, 0, 60, 80, Token());
    PageImageSlot* large = StoreCachedImage(b.book, 0, 120, 160, Token());
    EXPECT_NE(small, large);
    EXPECT_EQ(2, Occupied(b.book));
    EXPECT_EQ(small, FindCachedImage(b.book, 0, 60, 80));
    EXPECT_EQ(large, FindCachedImage(b.book, 0, 120, 160));
    EXPECT_EQ((60u * 80 + 120 * 160) * 4, b.book->cachedBytes);
}

TEST(PageImageCache, ThirteenthImageEvictsTheLeastRecentlyUsed) {
    EmptyBook b;
    for (int p = 0; p < 12; p++) ASSERT_TRUE(StoreCachedImage(b.book, p, 10, 10, Token()) != nullptr);
    // Page 0 was looked at again (by the painter or a prefetch lookup).
    ASSERT_TRUE(FindCachedImage(b.book, 0, 10, 10) != nullptr);
    ASSERT_TRUE(StoreCachedImage(b.book, 12, 10, 10, Token()) != nullptr);
    EXPECT_TRUE(FindCachedImage(b.book, 0, 10, 10) != nullptr);
    EXPECT_TRUE(FindCachedImage(b.book, 1, 10, 10) == nullptr);  // oldest stamp
    EXPECT_TRUE(FindCachedImage(b.book, 2, 10, 10) != nullptr);
    EXPECT_EQ(12, Occupied(b.book));
    EXPECT_EQ(12u * 400, b.book->cachedBytes);
    // The new image went into the slot the victim left.
    EXPECT_EQ(12u, b.book->decodedSlots[1].page);
}

TEST(PageImageCache, EqualStampsEvictTheLowerSlot) {
    EmptyBook b;
    for (int p = 0; p < 12; p++) StoreCachedImage(b.book, p, 10, 10, Token());
    b.book->decodedSlots[3].stamp = 0;
    b.book->decodedSlots[7].stamp = 0;
    StoreCachedImage(b.book, 20, 10, 10, Token());
    EXPECT_EQ(20u, b.book->decodedSlots[3].page);
    EXPECT_EQ(7u, b.book->decodedSlots[7].page);
    // Stamps compare unsigned: a stamp that wrapped to a small value is old.
    b.book->decodedSlots[5].stamp = 0xFFFFFFF0u;
    b.book->decodedSlots[9].stamp = 1;
    StoreCachedImage(b.book, 21, 10, 10, Token());
    EXPECT_EQ(21u, b.book->decodedSlots[7].page);  // stamp 0 before 1
    // Slot 0 (stamped first) and slot 9 now share stamp 1: slot 0 goes.
    StoreCachedImage(b.book, 22, 10, 10, Token());
    EXPECT_EQ(22u, b.book->decodedSlots[0].page);
    EXPECT_EQ(9u, b.book->decodedSlots[9].page);
    EXPECT_EQ(5u, b.book->decodedSlots[5].page);
}

TEST(PageImageCache, BudgetEvictsEvenWithFreeSlots) {
    EmptyBook b;
    // 5120 x 5120 x 4 = 100 MiB each.
    PageImageSlot* first = StoreCachedImage(b.book, 0, 5120, 5120, Token());
    StoreCachedImage(b.book, 1, 5120, 5120, Token());
    ASSERT_EQ(200ull << 20, b.book->cachedBytes);
    StoreCachedImage(b.book, 2, 5120, 5120, Token());
    EXPECT_EQ(2, Occupied(b.book));
    EXPECT_TRUE(first->pixels == nullptr || first->page == 2);
    EXPECT_TRUE(FindCachedImage(b.book, 0, 5120, 5120) == nullptr);
    EXPECT_TRUE(FindCachedImage(b.book, 1, 5120, 5120) != nullptr);
    EXPECT_EQ(200ull << 20, b.book->cachedBytes);
    // Exactly at the budget still fits beside what is there.
    StoreCachedImage(b.book, 3, 4096, 4096, Token());  // 64 MiB, total 264 MiB: evicts
    StoreCachedImage(b.book, 4, 10, 10, Token());
    EXPECT_LE(b.book->cachedBytes, PAGE_IMAGE_CACHE_BUDGET);
}

TEST(PageImageCache, OneImageOverTheBudgetIsKeptAlone) {
    EmptyBook b;
    for (int p = 0; p < 5; p++) StoreCachedImage(b.book, p, 100, 100, Token());
    PageImageSlot* big = StoreCachedImage(b.book, 9, 9000, 9000, Token());  // 309 MiB
    ASSERT_TRUE(big != nullptr);
    EXPECT_EQ(1, Occupied(b.book));
    EXPECT_EQ(9000ull * 9000 * 4, b.book->cachedBytes);
    // The next image pushes it out again.
    StoreCachedImage(b.book, 10, 100, 100, Token());
    EXPECT_EQ(1, Occupied(b.book));
    EXPECT_EQ(40000u, b.book->cachedBytes);
}

TEST(PageImageCache, RefusedSizesFreeTheBuffer) {
    EmptyBook b;
    size_t before = BusyHeapBlocks();
    EXPECT_TRUE(StoreCachedImage(b.book, 0, 0, 10, Token()) == nullptr);
    EXPECT_TRUE(StoreCachedImage(b.book, 0, 40000, 40000, Token()) == nullptr);
    EXPECT_TRUE(StoreCachedImage(b.book, 0, 10, 10, nullptr) == nullptr);
    EXPECT_EQ(before, BusyHeapBlocks());
    EXPECT_EQ(0, Occupied(b.book));
}

TEST(PageDecodeSize, UsesTheNaturalSizeWhenDrawnLarger) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png"), ReadFixture("imaging/solid.tif")});
    int w = 0, h = 0;
    PageDecodeSize(book, 0, 2, 1, &w, &h);
    EXPECT_EQ(2, w);
    EXPECT_EQ(1, h);
    PageDecodeSize(book, 0, 3, 2, &w, &h);
    EXPECT_EQ(3, w);
    EXPECT_EQ(2, h);
    PageDecodeSize(book, 0, 4, 9, &w, &h);
    EXPECT_EQ(3, w);
    EXPECT_EQ(2, h);
    PageDecodeSize(book, 1, 400, 900, &w, &h);  // natural size unknown
    EXPECT_EQ(400, w);
    EXPECT_EQ(900, h);
    FreeComicBook(book);
}

TEST(GetPageImage, DecodesCachesAndMarksFailures) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png"), ReadFixture("imaging/damaged.png")});
    EXPECT_TRUE(GetPageImage(book, 0, 0, 2) == nullptr);
    EXPECT_TRUE(GetPageImage(book, 0, 3, -2) == nullptr);
    PageImageSlot* slot = GetPageImage(book, 0, 3, 2);
    ASSERT_TRUE(slot != nullptr);
    EXPECT_EQ(0xFF5A00B4u, PixelAt(slot->pixels, 3, 1, 1));
    EXPECT_EQ(slot, GetPageImage(book, 0, 3, 2));
    EXPECT_EQ(1, Occupied(book));

    EXPECT_TRUE(GetPageImage(book, 1, 60, 80) == nullptr);
    EXPECT_EQ(1u, book->entries[1].undecodable);
    EXPECT_TRUE(GetPageImage(book, 2, 60, 80) == nullptr);  // no such page
    EXPECT_EQ(1, Occupied(book));
    FreeComicBook(book);
}

class DecodeWorker : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureMainWindow();
        PumpUntilIdle();
        ThumbCalls.clear();
    }
    void TearDown() override { PumpUntilIdle(); }
};

TEST_F(DecodeWorker, PrefetchedPageLandsInTheCache) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png"), ReadFixture("imaging/transparent.png")});
    ASSERT_EQ(1, RequestPrefetch(book, 1, 8, 4));
    EXPECT_EQ(1, IsDecodeBusy());
    ASSERT_TRUE(currentRequest != nullptr);
    EXPECT_EQ(book, currentRequest->owner);
    EXPECT_EQ(1u, currentRequest->toCache);
    // A second job is refused while the first is out, even once the worker
    // is done and only the message is pending.
    WaitForSingleObject(doneEvent, 10000);
    EXPECT_EQ(0, SubmitDecodeRequest(book, 0, 3, 2, 1, nullptr, nullptr));
    EXPECT_EQ(1, IsDecodeBusy());
    PumpUntilIdle();
    EXPECT_EQ(0, IsDecodeBusy());
    // Drawn larger than its natural 4 x 2, so decoded at 4 x 2.
    PageImageSlot* slot = FindCachedImage(book, 1, 4, 2);
    ASSERT_TRUE(slot != nullptr);
    EXPECT_EQ(0xFFFFFFFFu, PixelAt(slot->pixels, 4, 0, 0));
    EXPECT_EQ(0xFF7F7F7Fu, PixelAt(slot->pixels, 4, 3, 1));
    // Cached now: nothing more to do for it.
    EXPECT_EQ(0, RequestPrefetch(book, 1, 8, 4));
    FreeComicBook(book);
}

TEST_F(DecodeWorker, PrefetchUsesThePaintersDecodeSize) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png")});
    // Drawn at 30 x 20, decoded at the natural 3 x 2, as the painter would.
    ASSERT_EQ(1, RequestPrefetch(book, 0, 30, 20));
    EXPECT_EQ(3, currentRequest->width);
    EXPECT_EQ(2, currentRequest->height);
    PumpUntilIdle();
    EXPECT_TRUE(FindCachedImage(book, 0, 3, 2) != nullptr);
    FreeComicBook(book);
}

TEST_F(DecodeWorker, PageDecodedMeanwhileByThePainterIsNotStoredTwice) {
    ComicBook* book = MakeBook({ReadFixture("imaging/transparent.png")});
    ASSERT_EQ(1, RequestPrefetch(book, 0, 4, 2));
    PageImageSlot* painted = GetPageImage(book, 0, 4, 2);
    ASSERT_TRUE(painted != nullptr);
    uint64_t bytes = book->cachedBytes;
    PumpUntilIdle();
    EXPECT_EQ(1, Occupied(book));
    EXPECT_EQ(bytes, book->cachedBytes);
    EXPECT_EQ(painted, FindCachedImage(book, 0, 4, 2));
    FreeComicBook(book);
}

TEST_F(DecodeWorker, FailedBackgroundDecodeIsNotHandedOutAgain) {
    ComicBook* book = MakeBook({ReadFixture("imaging/damaged.png")});
    ASSERT_EQ(1, RequestPrefetch(book, 0, 60, 80));
    PumpUntilIdle();
    EXPECT_EQ(0, Occupied(book));
    EXPECT_EQ(1u, book->entries[0].undecodable);
    EXPECT_EQ(0, RequestPrefetch(book, 0, 60, 80));
    EXPECT_EQ(0, IsDecodeBusy());
    FreeComicBook(book);
}

TEST_F(DecodeWorker, UndecodablePagesAndEmptySizesAreNotPrefetched) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png")});
    EXPECT_EQ(0, RequestPrefetch(book, 0, 0, 5));
    EXPECT_EQ(0, RequestPrefetch(book, 0, 2, 0));
    EXPECT_EQ(0, RequestPrefetch(book, 0, -4, 2));
    EXPECT_EQ(0, RequestPrefetch(book, 1, 5, 5));
    book->entries[0].undecodable = 1;
    EXPECT_EQ(0, RequestPrefetch(book, 0, 3, 2));
    EXPECT_EQ(0, IsDecodeBusy());
    FreeComicBook(book);
}

TEST_F(DecodeWorker, ThumbnailJobsGoToTheThumbnailPanel) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png"), ReadFixture("imaging/damaged.png")});
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 3;
    bmi.bmiHeader.biHeight = -2;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(dib != nullptr);
    ASSERT_EQ(1, SubmitDecodeRequest(book, 0, 3, 2, 0, (BYTE*)bits, dib));
    PumpUntilIdle();
    ASSERT_EQ(1u, ThumbCalls.size());
    EXPECT_EQ(0, ThumbCalls[0].page);
    EXPECT_EQ(dib, ThumbCalls[0].bitmap);
    EXPECT_EQ(1, ThumbCalls[0].succeeded);
    EXPECT_EQ(0, Occupied(book));

    dib = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_EQ(1, SubmitDecodeRequest(book, 1, 3, 2, 0, (BYTE*)bits, dib));
    PumpUntilIdle();
    ASSERT_EQ(2u, ThumbCalls.size());
    EXPECT_EQ(0, ThumbCalls[1].succeeded);
    EXPECT_EQ(0u, book->entries[1].undecodable);  // thumbnails mark nothing
    FreeComicBook(book);
}

TEST_F(DecodeWorker, RefusedJobsLeaveTheCallersBufferAlone) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png")});
    BYTE buffer[24];
    EXPECT_EQ(0, SubmitDecodeRequest(book, 0, 0, 2, 1, buffer, nullptr));
    EXPECT_EQ(0, SubmitDecodeRequest(book, 5, 3, 2, 1, buffer, nullptr));
    EXPECT_EQ(0, SubmitDecodeRequest(book, 0, 40000, 40000, 1, nullptr, nullptr));
    EXPECT_EQ(0, IsDecodeBusy());
    FreeComicBook(book);
}

// A comic laid out as the view would: pages of 60 x 80 pixels at zoom 1,
// one per row (or two per row), 8 pixels apart.
struct LaidOutComic {
    ComicBook* book;
    std::vector<double> widths, heights;
    std::vector<int> ys, xs;
    LaidOutComic(int pages, int perRow) {
        std::vector<std::string> images(pages, ReadFixture("imaging/distinct.png"));
        book = MakeBook(images);
        for (int i = 0; i < pages; i++) {
            widths.push_back(60);
            heights.push_back(80);
            ys.push_back(8 + (i / perRow) * 88);
            xs.push_back(8 + (i % perRow) * 64);
        }
        Document.comic = book;
        Document.pdf = nullptr;
        Document.pageCount = pages;
        Document.pageWidths = widths.data();
        Document.pageHeights = heights.data();
        Document.pageY = ys.data();
        Document.pageX = xs.data();
        ViewState.zoom = 1.0;
        ViewState.viewHeight = 100;
        ViewState.doublePage = perRow == 2;
    }
    ~LaidOutComic() {
        PumpUntilIdle();
        Document.comic = nullptr;
        Document.pageCount = 0;
        Document.pageY = nullptr;
        FreeComicBook(book);
    }
    // Runs idle passes until the worker gets nothing more; returns the pages
    // in the order they were handed out.
    std::vector<int> Prefetched() {
        std::vector<int> pages;
        for (int pass = 0; pass < 20; pass++) {
            PrefetchStep();
            if (!IsDecodeBusy()) break;
            pages.push_back(currentRequest->page);
            PumpUntilIdle();
        }
        return pages;
    }
};

TEST_F(DecodeWorker, PrefetchTakesOnePageEachWayInSinglePageMode) {
    LaidOutComic comic(8, 1);
    ViewState.scrollY = 8 + 3 * 88 + 40;  // pages 3 and 4 visible
    EXPECT_EQ((std::vector<int>{5, 2}), comic.Prefetched());
    // Drawn at 60 x 80, decoded at the natural 3 x 2.
    EXPECT_TRUE(FindCachedImage(comic.book, 5, 3, 2) != nullptr);
    // Nothing left to do until the view moves.
    EXPECT_EQ(std::vector<int>{}, comic.Prefetched());
    // One row further: page 6 ahead, and page 3, which was only ever
    // visible (the painter's business), behind.
    ViewState.scrollY += 88;
    EXPECT_EQ((std::vector<int>{6, 3}), comic.Prefetched());
}

TEST_F(DecodeWorker, PrefetchTakesTwoPagesEachWayInTwoPageMode) {
    LaidOutComic comic(10, 2);
    ViewState.scrollY = 8 + 2 * 88 + 40;  // rows 2 and 3: pages 4 to 7
    EXPECT_EQ((std::vector<int>{8, 9, 3, 2}), comic.Prefetched());
}

TEST_F(DecodeWorker, PrefetchStopsAtTheEndsOfTheBook) {
    LaidOutComic comic(3, 1);
    ViewState.scrollY = 0;  // pages 0 and 1 visible
    EXPECT_EQ((std::vector<int>{2}), comic.Prefetched());
    ViewState.scrollY = 8 + 2 * 88;  // only the last page
    EXPECT_EQ((std::vector<int>{1}), comic.Prefetched());
}

TEST_F(DecodeWorker, PrefetchDoesNothingForAPdfOrAnEmptyView) {
    LaidOutComic comic(4, 1);
    ViewState.scrollY = 100000;  // below every page
    EXPECT_EQ(std::vector<int>{}, comic.Prefetched());
    ViewState.scrollY = 0;
    Document.comic = nullptr;  // a PDF is shown
    EXPECT_EQ(std::vector<int>{}, comic.Prefetched());
    Document.comic = comic.book;
    comic.book->entries[2].undecodable = 1;  // failed in the painter
    EXPECT_EQ(std::vector<int>{}, comic.Prefetched());
}

// Closes the comic while the worker is busy with one of its pages, again
// and again; everything the jobs held must be gone afterwards.
void CloseWhileDecoding(int rounds, bool thumbnails) {
    for (int round = 0; round < rounds; round++) {
        MappedComic comic;
        ASSERT_TRUE(OpenFixtureComic("imaging/comic-slow.cbz", &comic));
        HBITMAP dib = nullptr;
        if (thumbnails) {
            BITMAPINFO bmi = {};
            bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            bmi.bmiHeader.biWidth = 300;
            bmi.bmiHeader.biHeight = -300;
            bmi.bmiHeader.biPlanes = 1;
            bmi.bmiHeader.biBitCount = 32;
            void* bits = nullptr;
            dib = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
            ASSERT_TRUE(dib != nullptr);
            ASSERT_EQ(1, SubmitDecodeRequest(comic.book, round % 2, 300, 300, 0, (BYTE*)bits, dib));
        } else {
            ASSERT_EQ(1, RequestPrefetch(comic.book, round % 2, 2400, 2400));
        }
        DecodeRequest* job = currentRequest;
        // Let the worker get into the decode on most rounds.
        Sleep(round % 4 == 0 ? 0 : 5 * (round % 4));
        EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(doneEvent, 0)) << "decode ended before the close, round "
                                                                   << round;
        CloseFixtureComic(&comic);
        // Closing waited for the worker and let go of the job.
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(doneEvent, 0));
        EXPECT_EQ(job, currentRequest);
        EXPECT_TRUE(job->owner == nullptr);
        PumpUntilIdle();
        if (thumbnails) {
            EXPECT_EQ(0u, GetObjectType(dib));  // deleted, not handed on
        }
    }
}

TEST_F(DecodeWorker, ClosingAComicWhileItsPageDecodesLeaksNothing) {
    CloseWhileDecoding(2, false);  // first use of every code path
    CloseWhileDecoding(2, true);
    size_t heapBefore = BusyHeapBlocks();
    DWORD gdiBefore = GdiObjects();
    CloseWhileDecoding(12, false);
    CloseWhileDecoding(12, true);
    EXPECT_EQ(heapBefore, BusyHeapBlocks());
    EXPECT_EQ(gdiBefore, GdiObjects());
    EXPECT_TRUE(ThumbCalls.empty());
}

}  // namespace
