// Image decoding through WIC: flattening, scaling attempts, size-only mode,
// first frames, failures without leaks, size limits and print sizes.
#include <gtest/gtest.h>

#include <vector>

#include "ImagingSupport.h"
#include "imaging/Decode.h"

namespace {

IWICImagingFactory* Factory() {
    IWICImagingFactory* factory = GetUiImagingFactory();
    EXPECT_TRUE(factory != nullptr);
    return factory;
}

// A one-page book of a fixture image, freed at the end of the scope.
struct OneImage {
    ComicBook* book;
    explicit OneImage(const char* name) { book = MakeBook({ReadFixture(name)}); }
    ~OneImage() { FreeComicBook(book); }
    ArchiveEntry* entry() { return &book->entries[0]; }
};

TEST(ImagingFactory, IsCreatedOnceForTheUiThread) {
    IWICImagingFactory* first = GetUiImagingFactory();
    ASSERT_TRUE(first != nullptr);
    EXPECT_EQ(first, GetUiImagingFactory());
    EXPECT_EQ(first, UiImagingFactory);
}

TEST(FlattenOntoWhite, CompositesPremultipliedPixelsOverWhite) {
    BYTE pixels[] = {0, 0, 0, 0,        // transparent
                     0, 0, 0, 128,      // half-transparent black
                     10, 20, 30, 255,   // opaque: untouched
                     50, 60, 70, 200};  // premultiplied colour at alpha 200
    FlattenOntoWhite(pixels, 4);
    const BYTE expected[] = {255, 255, 255, 255, 127, 127, 127, 255, 10, 20, 30, 255, 105, 115, 125, 255};
    EXPECT_EQ(0, memcmp(expected, pixels, sizeof expected));
}

TEST(DecodeImage, TransparentAreasBecomeWhiteAndHalfBlackMidGrey) {
    OneImage image("imaging/transparent.png");
    BYTE pixels[4 * 2 * 4];
    ASSERT_EQ(1, DecodeImage(Factory(), image.entry(), 4, 2, pixels, nullptr, nullptr));
    for (int y = 0; y < 2; y++) {
        EXPECT_EQ(0xFFFFFFFFu, PixelAt(pixels, 4, 0, y));
        EXPECT_EQ(0xFFFFFFFFu, PixelAt(pixels, 4, 1, y));
        EXPECT_EQ(0xFF7F7F7Fu, PixelAt(pixels, 4, 2, y));
        EXPECT_EQ(0xFF7F7F7Fu, PixelAt(pixels, 4, 3, y));
    }
}

TEST(DecodeImage, NaturalSizeIsConvertedWithoutAScaler) {
    OneImage image("imaging/distinct.png");
    CountingFactory counting(Factory());
    BYTE pixels[3 * 2 * 4];
    UINT w = 0, h = 0;
    ASSERT_EQ(1, DecodeImage(&counting, image.entry(), 3, 2, pixels, &w, &h));
    EXPECT_EQ(3u, w);
    EXPECT_EQ(2u, h);
    EXPECT_EQ(0, counting.scalers);
    EXPECT_EQ(1, counting.converters);
    // Rows top-down, bytes blue, green, red, 255.
    const DWORD expected[] = {0xFF0A141E, 0xFFC86432, 0xFF00FF00, 0xFFFFFFFF, 0xFF5A00B4, 0xFF010203};
    for (int i = 0; i < 6; i++) EXPECT_EQ(expected[i], PixelAt(pixels, 3, i % 3, i / 3)) << i;
    EXPECT_EQ(0, counting.ReleaseKept());
}

TEST(DecodeImage, OtherSizesGoThroughTheScaler) {
    OneImage image("imaging/transparent.png");
    CountingFactory counting(Factory());
    std::vector<BYTE> pixels(8 * 4 * 4);
    ASSERT_EQ(1, DecodeImage(&counting, image.entry(), 8, 4, pixels.data(), nullptr, nullptr));
    EXPECT_EQ(1, counting.scalers);
    EXPECT_EQ(1, counting.converters);
    // Scaled, then flattened: still white on the left and grey on the right.
    EXPECT_EQ(0xFFFFFFFFu, PixelAt(pixels.data(), 8, 0, 0));
    EXPECT_EQ(0xFF7F7F7Fu, PixelAt(pixels.data(), 8, 7, 3));
    EXPECT_EQ(0, counting.ReleaseKept());
}

TEST(DecodeImage, ConvertsFirstWhenScalingTheFrameFails) {
    OneImage image("imaging/distinct.png");
    CountingFactory counting(Factory());
    counting.failFirstScaler = 1;
    std::vector<BYTE> pixels(6 * 4 * 4);
    ASSERT_EQ(1, DecodeImage(&counting, image.entry(), 6, 4, pixels.data(), nullptr, nullptr));
    // First attempt: the scaler fails, so no converter; second attempt:
    // converter, then scaler.
    EXPECT_EQ(2, counting.scalers);
    EXPECT_EQ(1, counting.converters);
    EXPECT_EQ(0xFF0A141Eu, PixelAt(pixels.data(), 6, 0, 0));
    EXPECT_EQ(0xFF010203u, PixelAt(pixels.data(), 6, 5, 3));
    EXPECT_EQ(0, counting.ReleaseKept());
}

TEST(DecodeImage, AFailedConversionIsTriedAgainInTheSecondAttempt) {
    OneImage image("imaging/distinct.png");
    CountingFactory counting(Factory());
    counting.failFirstConverter = 1;
    BYTE pixels[3 * 2 * 4];
    EXPECT_EQ(1, DecodeImage(&counting, image.entry(), 3, 2, pixels, nullptr, nullptr));
    EXPECT_EQ(2, counting.converters);
    EXPECT_EQ(0xFF010203u, PixelAt(pixels, 3, 2, 1));
    EXPECT_EQ(0, counting.ReleaseKept());
}

TEST(DecodeImage, BothAttemptsFailingReturnsZeroAndReleasesEverything) {
    OneImage image("imaging/distinct.png");
    CountingFactory counting(Factory());
    counting.failAllConverters = 1;
    std::vector<BYTE> pixels(6 * 4 * 4);
    EXPECT_EQ(0, DecodeImage(&counting, image.entry(), 6, 4, pixels.data(), nullptr, nullptr));
    // Scaler then failing converter; failing converter, so no scaler.
    EXPECT_EQ(2, counting.converters);
    EXPECT_EQ(1, counting.scalers);
    EXPECT_EQ(0, counting.ReleaseKept());
}

TEST(DecodeImage, SizeOnlyModeReportsTheNaturalSizeForAnyTarget) {
    OneImage image("imaging/distinct.png");
    const int targets[][2] = {{0, 0}, {7, 9}, {-1, -1}, {3, 2}};
    for (const auto& t : targets) {
        CountingFactory counting(Factory());
        UINT w = 0, h = 0;
        EXPECT_EQ(1, DecodeImage(&counting, image.entry(), t[0], t[1], nullptr, &w, &h));
        EXPECT_EQ(3u, w);
        EXPECT_EQ(2u, h);
        EXPECT_EQ(0, counting.scalers);
        EXPECT_EQ(0, counting.converters);
        EXPECT_EQ(0, counting.ReleaseKept());
    }
    // Without out pointers it only says whether the image opens.
    EXPECT_EQ(1, DecodeImage(Factory(), image.entry(), 0, 0, nullptr, nullptr, nullptr));
}

TEST(DecodeImage, AnimatedGifYieldsItsFirstFrame) {
    OneImage image("imaging/animated.gif");
    BYTE pixels[4 * 4 * 4];
    ASSERT_EQ(1, DecodeImage(Factory(), image.entry(), 4, 4, pixels, nullptr, nullptr));
    for (int i = 0; i < 16; i++) EXPECT_EQ(0xFFFF0000u, PixelAt(pixels, 4, i % 4, i / 4)) << i;
}

TEST(DecodeImage, BottomUpBitmapComesOutTopDown) {
    OneImage image("imaging/two-rows.bmp");
    BYTE pixels[3 * 2 * 4];
    ASSERT_EQ(1, DecodeImage(Factory(), image.entry(), 3, 2, pixels, nullptr, nullptr));
    for (int x = 0; x < 3; x++) {
        EXPECT_EQ(0xFFDC2828u, PixelAt(pixels, 3, x, 0));
        EXPECT_EQ(0xFF2846DCu, PixelAt(pixels, 3, x, 1));
    }
}

TEST(DecodeImage, TiffIsDecodedAndMeasured) {
    OneImage image("imaging/solid.tif");
    EXPECT_EQ(0, image.entry()->width);  // the header probe does not read TIFF
    MeasureEntryWithDecoder(image.entry());
    EXPECT_EQ(30, image.entry()->width);
    EXPECT_EQ(50, image.entry()->height);
    EXPECT_EQ(0u, image.entry()->undecodable);
    std::vector<BYTE> pixels(30 * 50 * 4);
    ASSERT_EQ(1, DecodeImage(Factory(), image.entry(), 30, 50, pixels.data(), nullptr, nullptr));
    EXPECT_EQ(0xFF2846DCu, PixelAt(pixels.data(), 30, 29, 49));
}

TEST(DecodeImage, DamagedImagesFailAndLeaveNothingBehind) {
    const char* names[] = {"imaging/damaged.png", "imaging/truncated.png", "imaging/not-an-image.png"};
    for (const char* name : names) {
        OneImage image(name);
        CountingFactory counting(Factory());
        std::vector<BYTE> pixels(60 * 80 * 4);
        EXPECT_EQ(0, DecodeImage(&counting, image.entry(), 60, 80, pixels.data(), nullptr, nullptr)) << name;
        EXPECT_EQ(0, counting.ReleaseKept()) << name;
    }
    // The same failures, many times over, keep the heap as it was.
    OneImage damaged("imaging/damaged.png");
    std::vector<BYTE> pixels(60 * 80 * 4);
    for (int i = 0; i < 3; i++) DecodeImage(Factory(), damaged.entry(), 60, 80, pixels.data(), nullptr, nullptr);
    size_t before = BusyHeapBlocks();
    for (int i = 0; i < 50; i++) DecodeImage(Factory(), damaged.entry(), 60, 80, pixels.data(), nullptr, nullptr);
    EXPECT_EQ(before, BusyHeapBlocks());
}

TEST(DecodeImage, DeflatedEntryBytesAreFreedOnSuccessAndFailure) {
    MappedComic comic;
    ASSERT_TRUE(OpenFixtureComic("imaging/comic-broken.cbz", &comic));
    std::vector<BYTE> pixels(60 * 80 * 4);
    // Page 1 is deflated (an owned buffer per read), page 2 stored and damaged.
    for (int i = 0; i < 3; i++) {
        DecodeImage(Factory(), &comic.book->entries[0], 60, 80, pixels.data(), nullptr, nullptr);
        DecodeImage(Factory(), &comic.book->entries[1], 60, 80, pixels.data(), nullptr, nullptr);
    }
    size_t before = BusyHeapBlocks();
    for (int i = 0; i < 30; i++) {
        EXPECT_EQ(1, DecodeImage(Factory(), &comic.book->entries[0], 60, 80, pixels.data(), nullptr, nullptr));
        EXPECT_EQ(0, DecodeImage(Factory(), &comic.book->entries[1], 60, 80, pixels.data(), nullptr, nullptr));
    }
    EXPECT_EQ(before, BusyHeapBlocks());
    ASSERT_EQ(1, DecodeImage(Factory(), &comic.book->entries[0], 60, 80, pixels.data(), nullptr, nullptr));
    EXPECT_EQ(0xFFDC2828u, PixelAt(pixels.data(), 60, 59, 79));
    CloseFixtureComic(&comic);
}

TEST(DecodeImage, FailsWithoutFactoryOrBytes) {
    OneImage image("imaging/distinct.png");
    BYTE pixels[3 * 2 * 4];
    EXPECT_EQ(0, DecodeImage(nullptr, image.entry(), 3, 2, pixels, nullptr, nullptr));
    ArchiveEntry unreadable = *image.entry();
    unreadable.method = 99;  // a compression this program cannot read
    UINT w = 7, h = 7;
    EXPECT_EQ(0, DecodeImage(Factory(), &unreadable, 3, 2, pixels, &w, &h));
    EXPECT_EQ(7u, w);
}

TEST(ImageBufferBytes, IsComputedIn64BitsAndRefusedBeyondWhatWicTakes) {
    EXPECT_EQ(0u, ImageBufferBytes(0, 10));
    EXPECT_EQ(0u, ImageBufferBytes(10, -1));
    EXPECT_EQ(24u, ImageBufferBytes(3, 2));
    EXPECT_EQ(400000000ull, ImageBufferBytes(10000, 10000));
    EXPECT_EQ(4294836224ull, ImageBufferBytes(32768, 32767));  // just fits 32 bits
    EXPECT_EQ(0u, ImageBufferBytes(32768, 32768));              // 2^32 bytes
    EXPECT_EQ(0u, ImageBufferBytes(0x7FFFFFFF, 0x7FFFFFFF));
}

TEST(DecodeImage, RefusesSizesWicCannotTakeInsteadOfTruncatingThem) {
    OneImage image("imaging/distinct.png");
    BYTE guard[16] = {0};
    // A target whose buffer would need 2^32 bytes: refused before any write.
    EXPECT_EQ(0, DecodeImage(Factory(), image.entry(), 32768, 32768, guard, nullptr, nullptr));
    EXPECT_EQ(0, DecodeImage(Factory(), image.entry(), -3, 2, guard, nullptr, nullptr));
    for (BYTE b : guard) EXPECT_EQ(0, b);
    // An entry claiming more than 4 GiB of bytes is not fed to the 32-bit
    // memory stream (which would see only its low 32 bits).
    ArchiveEntry huge = *image.entry();
    huge.packedSize = huge.unpackedSize = 0x100000000ull + huge.packedSize;
    UINT w = 0, h = 0;
    EXPECT_EQ(0, DecodeImage(Factory(), &huge, 0, 0, nullptr, &w, &h));
    EXPECT_EQ(0u, w);
}

TEST(PrintDecodeSize, HalvesUntilAtMostAHundredMillionPixels) {
    int32_t w = 0, h = 0;
    PrintDecodeSize(20000, 10000, &w, &h);
    EXPECT_EQ(10000, w);
    EXPECT_EQ(5000, h);
    PrintDecodeSize(10000, 10000, &w, &h);
    EXPECT_EQ(10000, w);
    EXPECT_EQ(10000, h);
    PrintDecodeSize(10001, 10000, &w, &h);
    EXPECT_EQ(5000, w);
    EXPECT_EQ(5000, h);
    PrintDecodeSize(100000000, 3, &w, &h);  // truncating halves
    EXPECT_EQ(50000000, w);
    EXPECT_EQ(1, h);
    PrintDecodeSize(400000000, 1, &w, &h);  // a thin strip halves to nothing
    EXPECT_EQ(200000000, w);
    EXPECT_EQ(0, h);
    PrintDecodeSize(0x7FFFFFFF, 0x7FFFFFFF, &w, &h);  // the product needs 64 bits
    EXPECT_LE((int64_t)w * h, 100000000);
    EXPECT_GT((int64_t)w * h, 25000000);
}

TEST(DecodeImageForPrint, DecodesTheNaturalSizeAndNeverMarksThePage) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png"), ReadFixture("imaging/damaged.png"),
                                ReadFixture("imaging/distinct.png")});
    int w = -1, h = -1;
    BYTE* pixels = DecodeImageForPrint(book, 0, &w, &h);
    ASSERT_TRUE(pixels != nullptr);
    EXPECT_EQ(3, w);
    EXPECT_EQ(2, h);
    EXPECT_EQ(0xFF010203u, PixelAt(pixels, 3, 2, 1));
    HeapFree(GetProcessHeap(), 0, pixels);

    EXPECT_TRUE(DecodeImageForPrint(book, 1, &w, &h) == nullptr);
    EXPECT_EQ(0u, book->entries[1].undecodable);

    w = h = -1;
    book->entries[2].undecodable = 1;
    EXPECT_TRUE(DecodeImageForPrint(book, 2, &w, &h) == nullptr);
    EXPECT_EQ(-1, w);
    book->entries[2].undecodable = 0;
    book->entries[2].width = 0;
    EXPECT_TRUE(DecodeImageForPrint(book, 2, &w, &h) == nullptr);
    EXPECT_EQ(-1, w);
    EXPECT_TRUE(DecodeImageForPrint(book, 3, &w, &h) == nullptr);
    FreeComicBook(book);
}

TEST(MeasureEntryWithDecoder, MarksWhatNothingCanRead) {
    MappedComic comic;
    ASSERT_TRUE(OpenFixtureComic("imaging/comic-sizes.cbz", &comic));
    ASSERT_EQ(3, comic.book->entryCount);
    const ArchiveEntry* e = comic.book->entries;
    EXPECT_EQ(30, e[0].width);  // TIFF: measured by the decoder
    EXPECT_EQ(50, e[0].height);
    EXPECT_EQ(0u, e[0].undecodable);
    EXPECT_EQ(0, e[1].width);  // text: neither probe nor decoder
    EXPECT_EQ(0, e[1].height);
    EXPECT_EQ(1u, e[1].undecodable);
    EXPECT_EQ(4, e[2].width);  // GIF: probed
    EXPECT_EQ(0u, e[2].undecodable);
    CloseFixtureComic(&comic);
}

}  // namespace
