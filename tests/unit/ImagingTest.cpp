// The comic image pipeline: decoding, the decoded-page cache, the decode
// worker with its hand-back and prefetch order, and page drawing; with the
// real archive code, WIC and the program's (hidden) windows.
#include <tuple>

#include "Support.h"
#include "imaging/ComicDraw.h"
#include "imaging/Decode.h"
#include "imaging/PageImages.h"
#include "view/Layout.h"
#include "view/ViewWindow.h"

namespace
{

// The pages of imaging/formats.cbz.
enum { DISTINCT_PNG, TRANSPARENT_PNG, SOLID_TIFF, DAMAGED_PNG, TEXT_PNG };

const DWORD WHITE = 0xFFFFFFFF, GREY = 0xFF7F7F7F, HALF_BLUE = 0xFF7F7FFF;

// The pixel at (x, y) of a BGRA buffer, as 0xAARRGGBB.
DWORD PixelAt(const BYTE *pixels, int width, int x, int y)
{
    return ((const DWORD *)pixels)[(size_t)y * width + x];
}

// Thumbnail results: page, bitmap, succeeded. The panel would keep the
// bitmap; the tests only note that it came.
std::vector<std::tuple<int, HBITMAP, int>> Thumbs;

// A comic fixture opened as the program opens one, over its bytes in memory,
// with the program's windows and hooks: the comic model measures or marks
// what the header probe cannot read, and results come back to MainWindow.
struct Comic {
    std::vector<BYTE> bytes;
    ComicBook *book;
    explicit Comic(const char *name) : bytes(ReadFixture(name))
    {
        EnsureProgramWindows();
        ThumbDecodedHook = [](int page, HBITMAP bitmap, int ok) {
            Thumbs.emplace_back(page, bitmap, ok), DeleteObject(bitmap);
        };
        int error;
        book = OpenComicBook(DetectArchiveKind(bytes.data(), bytes.size()), L"", bytes.data(), bytes.size(), &error);
    }
    ~Comic()
    {
        FreeComicBook(book);
    }
};

// Pixels in the exact layout: rows top-down of blue, green, red, 255,
// transparency flattened onto white after any scaling. The table runs three
// times; after the first the heap must stay as it is, although the PNG pages
// are deflated into a buffer of their own on each read. The header probe
// cannot read TIFF: the decoder measured it while the book opened, and
// marked what it cannot read either. WIC takes buffer and stream sizes as
// 32-bit counts: larger ones are refused, never cut short. How WIC reads
// each format is its own business.
TEST(DecodeImage, GivesEachFormatAsOpaqueTopDownBgra)
{
    struct Case {
        int page, width, height;
        DWORD corners[4]; // top left, top right, bottom left, bottom right; 0: the decode fails
    } cases[] = {
        {DISTINCT_PNG, 3, 2, {0xFF0A141E, 0xFF00FF00, WHITE, 0xFF010203}},
        {TRANSPARENT_PNG, 4, 2, {WHITE, GREY, WHITE, HALF_BLUE}},
        {TRANSPARENT_PNG, 8, 4, {WHITE, GREY, WHITE, HALF_BLUE}},
        {DAMAGED_PNG, 60, 80, {0}},
        {DISTINCT_PNG, 32768, 32768, {0}}, // 2^32 bytes
    };
    Comic comic("imaging/formats.cbz");
    ASSERT_TRUE(comic.book);
    const ArchiveEntry *entries = comic.book->entries;
    EXPECT_TRUE(entries[SOLID_TIFF].width == 30 && entries[SOLID_TIFF].height == 50 && entries[TEXT_PNG].undecodable);
    std::vector<BYTE> pixels(60 * 80 * 4);
    size_t heap = 0;
    for (int pass = 0; pass < 3; pass++) {
        if (pass == 1) heap = BusyHeapBlocks();
        for (const Case &test : cases) {
            int ok = DecodeImage(GetUiImagingFactory(), &entries[test.page], test.width, test.height, pixels.data(),
                                 NULL, NULL);
            EXPECT_EQ(test.corners[0] != 0, ok == 1) << test.page;
            for (int i = 0; ok && i < 4; i++) {
                int x = i % 2 ? test.width - 1 : 0, y = i / 2 ? test.height - 1 : 0;
                EXPECT_EQ(test.corners[i], PixelAt(pixels.data(), test.width, x, y)) << test.page << " corner " << i;
            }
        }
    }
    EXPECT_EQ(heap, BusyHeapBlocks());
    // The largest buffer that fits, one row more, and a product past 32 bits.
    EXPECT_EQ(4294836224ull, ImageBufferBytes(32768, 32767));
    EXPECT_EQ(0u, ImageBufferBytes(32768, 32768) + ImageBufferBytes(0x7FFFFFFF, 0x7FFFFFFF));
    ArchiveEntry huge = entries[SOLID_TIFF]; // stored: read in place
    huge.packedSize = huge.unpackedSize += 0x100000000ull;
    EXPECT_EQ(0, DecodeImage(GetUiImagingFactory(), &huge, 0, 0, NULL, NULL, NULL));
}

// Twelve slots keyed by page and size, and 256 MiB: a new image evicts the
// least recently stored or looked up until both allow it, although slots
// may be free; one image larger than the budget is kept, alone. The images
// are tokens: the cache keeps only the pointer.
TEST(PageImageCache, EvictsTheLeastRecentlyUsedWithinItsBudget)
{
    auto Token = [] { return (BYTE *)HeapAlloc(GetProcessHeap(), 0, 16); };
    ComicBook *book = (ComicBook *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ComicBook));
    StoreCachedImage(book, 0, 20, 20, Token()); // the same page at another zoom
    for (int page = 0; page < 11; page++) StoreCachedImage(book, page, 10, 10, Token());
    FindCachedImage(book, 0, 20, 20); // looked at again by the painter
    StoreCachedImage(book, 11, 10, 10, Token());
    EXPECT_TRUE(FindCachedImage(book, 0, 20, 20) && FindCachedImage(book, 1, 10, 10));
    EXPECT_FALSE(FindCachedImage(book, 0, 10, 10));
    StoreCachedImage(book, 0, 8192, 4096, Token()); // 128 MiB
    StoreCachedImage(book, 1, 8192, 4096, Token()); // the budget exactly
    EXPECT_EQ(256ull << 20, book->cachedBytes);
    StoreCachedImage(book, 2, 10, 10, Token());
    EXPECT_FALSE(FindCachedImage(book, 0, 8192, 4096));
    EXPECT_EQ((128ull << 20) + 400, book->cachedBytes);
    EXPECT_TRUE(StoreCachedImage(book, 3, 9000, 9000, Token())); // 309 MiB
    EXPECT_EQ(9000ull * 9000 * 4, book->cachedBytes);
    StoreCachedImage(book, 4, 10, 10, Token());
    EXPECT_EQ(400u, book->cachedBytes);
    FreeComicBook(book);
}

// Until the job has come back through WM_APP_PAGE_DECODED to the main window.
void PumpUntilIdle()
{
    for (DWORD start = GetTickCount(); IsDecodeBusy(); PumpMessages()) {
        ASSERT_LT(GetTickCount() - start, 60000u) << "the decode worker did not report back";
        MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
    }
}

// One job at a time, also while its result waits in the queue. A page drawn
// larger than its image is decoded at the image's size, by the worker and
// by the painter; the worker's copy of a page the painter decoded meanwhile
// is not stored twice. A failed
// thumbnail goes to the thumbnail hook and marks nothing; a page the worker
// or the painter could not decode is marked, so it is not handed out on
// every idle pass.
TEST(DecodeWorker, HandsOverOneJobAtATimeAndFilesItsResult)
{
    Comic comic("imaging/formats.cbz");
    ASSERT_TRUE(comic.book);
    ASSERT_EQ(1, RequestPrefetch(comic.book, TRANSPARENT_PNG, 8, 4));
    WaitForSingleObject(doneEvent, 10000);
    EXPECT_EQ(0, SubmitDecodeRequest(comic.book, DISTINCT_PNG, 3, 2, 1, NULL, NULL));
    PumpUntilIdle();
    ASSERT_EQ(1, RequestPrefetch(comic.book, DISTINCT_PNG, 3, 2));
    std::vector<BYTE> bits(12 * 8 * 4);
    DrawComicPage(comic.book, DISTINCT_PNG, bits.data(), 12, 8, 0, 0, 12, 8);
    PumpUntilIdle();
    EXPECT_EQ(4 * 2 * 4 + 3 * 2 * 4u, comic.book->cachedBytes); // one image each, at its own size

    void *pixels;
    HBITMAP dib = CreateDib32(3, 2, &pixels);
    ASSERT_EQ(1, SubmitDecodeRequest(comic.book, DAMAGED_PNG, 3, 2, 0, (BYTE *)pixels, dib));
    PumpUntilIdle();
    EXPECT_EQ(decltype(Thumbs){std::make_tuple((int)DAMAGED_PNG, dib, 0)}, Thumbs);
    EXPECT_EQ(0u, comic.book->entries[DAMAGED_PNG].undecodable);
    ASSERT_EQ(1, RequestPrefetch(comic.book, DAMAGED_PNG, 60, 80));
    PumpUntilIdle();
    EXPECT_EQ(1u, comic.book->entries[DAMAGED_PNG].undecodable);
    comic.book->entries[DAMAGED_PNG].undecodable = 0; // as before the worker's try
    DrawComicPage(comic.book, DAMAGED_PNG, bits.data(), 12, 8, 0, 0, 60, 80);
    EXPECT_EQ(1u, comic.book->entries[DAMAGED_PNG].undecodable);
}

// The pages idle passes hand to the worker until it gets nothing more, the
// view 50 pixels high at scrollY over the five pages of 60 x 80 pixels in
// rows 88 pixels apart, two a row in spreads.
TEST(DecodeWorker, PrefetchTakesTheNextPagesFirstThenThePrevious)
{
    struct Case {
        bool pdf;
        int spreads, scrollY;
        std::vector<int> order;
    } cases[] = {
        {false, 0, 100, {2, 0}}, // page 1 in view: one page each way
        {false, 1, 0, {2, 3}},   // pages 0 and 1: the next two
        {false, 1, 184, {3, 2}}, // the last row: nothing after it, two before
        {false, 0, 0, {1}},      // the first page: nothing before it
        {false, 0, 272, {2}},    // page 3: page 4 cannot be decoded
        {false, 0, 100000, {}},  // no page in view
        {true, 0, 100, {}},      // a PDF is shown
    };
    std::vector<double> widths(5, 60), heights(5, 80);
    for (const Case &test : cases) {
        Comic comic("imaging/formats.cbz");
        std::vector<int> ys(5), order;
        for (int i = 0; i < 5; i++) ys[i] = 8 + (test.spreads ? i / 2 : i) * 88;
        Document.comic = test.pdf ? NULL : comic.book, Document.pageCount = 5, Document.pageY = ys.data();
        Document.pageWidths = widths.data(), Document.pageHeights = heights.data(), ViewState.zoom = 1;
        ViewState.viewHeight = 50, ViewState.scrollY = test.scrollY, ViewState.doublePage = test.spreads;
        for (PrefetchStep(); IsDecodeBusy() && order.size() < 8; PrefetchStep()) {
            order.push_back(currentRequest->page);
            PumpUntilIdle();
        }
        Document = DocumentRecord(); // as before: nothing open
        EXPECT_EQ(test.order, order) << test.scrollY;
    }
}

// Closes a comic while the worker decodes one of its large pages, for the
// cache or for a thumbnail: closing waits for the decode and lets go of the
// job, whose late message then frees the buffer or deletes the bitmap. Heap
// blocks are counted after the first use of every path; the bitmaps are
// checked themselves, as Wine counts no GDI objects.
TEST(DecodeWorker, ClosingAComicWhileItsPageDecodesLeaksNothing)
{
    Thumbs.clear();
    size_t heap = 0;
    for (int round = 0; round < 12; round++) {
        if (round == 4) heap = BusyHeapBlocks();
        Comic comic("imaging/comic-slow.cbz");
        ASSERT_TRUE(comic.book);
        void *bits = NULL;
        HBITMAP dib = round % 2 ? CreateDib32(300, 300, &bits) : NULL;
        ASSERT_EQ(1, dib ? SubmitDecodeRequest(comic.book, round / 2 % 2, 300, 300, 0, (BYTE *)bits, dib)
                         : RequestPrefetch(comic.book, round / 2 % 2, 2400, 2400));
        DecodeRequest *job = currentRequest;
        Sleep(round % 4 * 5);
        ASSERT_EQ(WAIT_TIMEOUT, WaitForSingleObject(doneEvent, 0)) << "the decode ended before the close";
        FreeComicBook(comic.book), comic.book = NULL;
        EXPECT_TRUE(WaitForSingleObject(doneEvent, 0) == WAIT_OBJECT_0 && currentRequest == job && !job->owner);
        PumpUntilIdle();
        EXPECT_TRUE(!dib || !GetObjectType(dib)); // deleted, not handed on
    }
    EXPECT_EQ(heap, BusyHeapBlocks());
    EXPECT_TRUE(Thumbs.empty());
}

// Part of a page drawn across the bitmap's top and left edges equals that
// part of the page drawn whole, copied or enlarged; nothing is written
// outside the page or the bitmap, also for sums beyond 32 bits.
TEST(DrawPageImage, ClipsAtTheBitmapEdgesAndEnlargesBetweenPixelCentres)
{
    std::vector<BYTE> image(16 * 12 * 4);
    for (size_t i = 0; i < image.size(); i++) image[i] = (BYTE)(i * 7 + i / 64);
    for (int w : {16, 50}) {
        int h = w * 3 / 4;
        std::vector<BYTE> whole((size_t)w * h * 4), part(20 * 15 * 4, 7);
        DrawPageImage(image.data(), 16, 12, whole.data(), w, h, 0, 0, w, h);
        EXPECT_TRUE(w != 16 || whole == image); // the same size: a straight copy
        DrawPageImage(image.data(), 16, 12, part.data(), 20, 15, -5, -4, w, h);
        for (int i = 0; i < 20 * 15; i++) {
            int x = i % 20, y = i / 20;
            DWORD expected = x + 5 < w && y + 4 < h ? PixelAt(whole.data(), w, x + 5, y + 4) : 0x07070707;
            ASSERT_EQ(expected, PixelAt(part.data(), 20, x, y)) << w << ": " << x << "," << y;
        }
    }
    std::vector<BYTE> bits(20 * 15 * 4, 7), untouched = bits;
    DrawPageImage(image.data(), 16, 12, bits.data(), 20, 15, -16, 0, 16, 12);
    DrawPageImage(image.data(), 16, 12, bits.data(), 20, 15, 0, 15, 16, 12);
    EXPECT_EQ(untouched, bits);
    // x + w beyond 32 bits: the visible part is the image's first column, widened.
    DrawPageImage(image.data(), 16, 12, bits.data(), 20, 15, 5, 0, 0x7FFFFFFF, 12);
    EXPECT_EQ(0x07070707u, PixelAt(bits.data(), 20, 4, 0));
    EXPECT_EQ(PixelAt(image.data(), 16, 0, 11) | 0xFF000000, PixelAt(bits.data(), 20, 19, 11));

    // Enlargement samples between pixel centres in 16.16 fixed point: a 2 x 2
    // image drawn 8 x 8 keeps its corners, passes a quarter and three quarters
    // between them, and rounds the falling side toward minus infinity. The
    // image ends where memory stops being readable: its edges are clamped, not
    // read past. Red falls from 201 to 0 left to right; green rises from 0 to
    // 200 downwards.
    const BYTE pixels[] = {0, 0, 201, 255, 0, 0, 0, 255, 0, 200, 201, 255, 0, 200, 0, 255};
    const int red[] = {201, 201, 175, 125, 75, 25, 0, 0}, green[] = {0, 0, 25, 75, 125, 175, 200, 200};
    BYTE *pages = (BYTE *)VirtualAlloc(NULL, 8192, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD access;
    ASSERT_TRUE(pages && VirtualProtect(pages + 4096, 4096, PAGE_NOACCESS, &access));
    BYTE *edge = (BYTE *)memcpy(pages + 4096 - sizeof pixels, pixels, sizeof pixels);
    DrawPageImage(edge, 2, 2, bits.data(), 8, 8, 0, 0, 8, 8);
    VirtualFree(pages, 0, MEM_RELEASE);
    for (int i = 0; i < 64; i++)
        EXPECT_EQ(0xFF000000 | red[i % 8] << 16 | green[i / 8] << 8, PixelAt(bits.data(), 8, i % 8, i / 8)) << i;
}

} // namespace
