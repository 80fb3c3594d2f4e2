// Comic pages drawn into a paint bitmap: clipping, straight copies, the
// bilinear enlargement and the placeholder of a page without an image.
#include <gtest/gtest.h>

#include <vector>

#include "ImagingSupport.h"
#include "imaging/ComicDraw.h"
#include "imaging/PageImages.h"

namespace {

// A bitmap of width x height pixels, every byte set to fill.
struct Bitmap {
    int width, height;
    std::vector<BYTE> bits;
    Bitmap(int w, int h, BYTE fill = 7) : width(w), height(h), bits((size_t)w * h * 4, fill) {}
    DWORD At(int x, int y) const { return PixelAt(bits.data(), width, x, y); }
    BYTE* data() { return bits.data(); }
};

// An image whose pixel (x, y) has blue x, green y, red x + y (low bytes).
std::vector<BYTE> Ramp(int w, int h) {
    std::vector<BYTE> image((size_t)w * h * 4);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            BYTE* p = &image[((size_t)y * w + x) * 4];
            p[0] = (BYTE)x;
            p[1] = (BYTE)y;
            p[2] = (BYTE)(x + y);
            p[3] = 255;
        }
    return image;
}

TEST(ClipPage, KeepsThePartInsideTheBitmap) {
    ClipRect c;
    ASSERT_TRUE(ClipPage(100, 50, -10, -5, 30, 20, &c));
    EXPECT_EQ(0, c.x0);
    EXPECT_EQ(0, c.y0);
    EXPECT_EQ(20, c.x1);
    EXPECT_EQ(15, c.y1);
    ASSERT_TRUE(ClipPage(100, 50, 90, 40, 30, 20, &c));
    EXPECT_EQ(100, c.x1);
    EXPECT_EQ(50, c.y1);
    EXPECT_FALSE(ClipPage(100, 50, -30, 0, 30, 20, &c));  // ends at the left edge
    EXPECT_FALSE(ClipPage(100, 50, 100, 0, 30, 20, &c));
    EXPECT_FALSE(ClipPage(100, 50, 0, 50, 30, 20, &c));
    // Far-off pages must not wrap around into view.
    EXPECT_FALSE(ClipPage(100, 50, 0x7FFFFFF0, 0, 0x7FFFFFF0, 20, &c));
}

TEST(DrawPageImage, SameSizeIsAStraightCopy) {
    std::vector<BYTE> image = Ramp(40, 30);
    Bitmap bitmap(50, 50);
    DrawPageImage(image.data(), 40, 30, bitmap.data(), 50, 50, 5, 6, 40, 30);
    EXPECT_EQ(PixelAt(image.data(), 40, 0, 0), bitmap.At(5, 6));
    EXPECT_EQ(PixelAt(image.data(), 40, 39, 29), bitmap.At(44, 35));
    EXPECT_EQ(0x07070707u, bitmap.At(4, 6));
    EXPECT_EQ(0x07070707u, bitmap.At(45, 35));
    EXPECT_EQ(0x07070707u, bitmap.At(5, 36));
}

TEST(DrawPageImage, NegativeOffsetsReadTheRightPartOfTheImage) {
    std::vector<BYTE> image = Ramp(40, 30);
    Bitmap bitmap(20, 10);
    DrawPageImage(image.data(), 40, 30, bitmap.data(), 20, 10, -7, -12, 40, 30);
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 20; x++) ASSERT_EQ(PixelAt(image.data(), 40, x + 7, y + 12), bitmap.At(x, y));
    // Entirely outside: nothing changes.
    Bitmap untouched(20, 10);
    DrawPageImage(image.data(), 40, 30, untouched.data(), 20, 10, -40, 0, 40, 30);
    DrawPageImage(image.data(), 40, 30, untouched.data(), 20, 10, 0, 10, 40, 30);
    EXPECT_EQ(Bitmap(20, 10).bits, untouched.bits);
}

TEST(DrawPageImage, DoubleSizeEnlargementMatchesTheFixedPointRule) {
    std::vector<BYTE> image((size_t)100 * 100 * 4);
    for (size_t i = 0; i < image.size(); i += 4) {
        image[i] = (BYTE)(i * 7);
        image[i + 1] = (BYTE)(i * 13 + 5);
        image[i + 2] = (BYTE)(i * 3 + 1);
        image[i + 3] = 255;
    }
    // Image (0,0) blue 0, image (1,0) blue 200.
    image[0] = 0;
    image[4] = 200;
    Bitmap bitmap(200, 200);
    DrawPageImage(image.data(), 100, 100, bitmap.data(), 200, 200, 0, 0, 200, 200);
    EXPECT_EQ(PixelAt(image.data(), 100, 0, 0), bitmap.At(0, 0));
    EXPECT_EQ(PixelAt(image.data(), 100, 99, 99), bitmap.At(199, 199));
    // Output (1, 0) samples x = 0.25: a quarter of the way from 0 to 200.
    EXPECT_EQ(50u, bitmap.At(1, 0) & 0xFF);
    EXPECT_EQ(0xFFu, bitmap.At(1, 0) >> 24);
    // Output (2, 0) samples x = 0.75.
    EXPECT_EQ(150u, bitmap.At(2, 0) & 0xFF);
}

TEST(DrawPageImage, EnlargementRoundsTowardMinusInfinity) {
    // Two pixels, red 201 then red 0, drawn 8 wide: the falling side shifts
    // a negative product, which rounds down (-25.125 gives -26).
    BYTE image[] = {0, 0, 201, 255, 0, 0, 0, 255};
    Bitmap bitmap(8, 1);
    DrawPageImage(image, 2, 1, bitmap.data(), 8, 1, 0, 0, 8, 1);
    // Source x for columns 0..7: clamp 0, 0, 0.125, 0.375, 0.625, 0.875, last, last.
    const int expected[] = {201, 201, 175, 125, 75, 25, 0, 0};
    for (int x = 0; x < 8; x++) EXPECT_EQ(expected[x], (int)((bitmap.At(x, 0) >> 16) & 0xFF)) << x;
}

TEST(DrawPageImage, EnlargedPageClippedAtNegativeOffsetsMatchesTheWholeDrawing) {
    std::vector<BYTE> image = Ramp(16, 12);
    Bitmap whole(50, 40);
    DrawPageImage(image.data(), 16, 12, whole.data(), 50, 40, 0, 0, 50, 40);
    Bitmap part(20, 15);
    DrawPageImage(image.data(), 16, 12, part.data(), 20, 15, -17, -9, 50, 40);
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 20; x++) ASSERT_EQ(whole.At(x + 17, y + 9), part.At(x, y)) << x << "," << y;
}

TEST(DrawComicPage, UndecodablePageShowsTheClippedPlaceholder) {
    ComicBook* book = MakeBook({ReadFixture("imaging/damaged.png")});
    Bitmap bitmap(40, 40);
    DrawComicPage(book, 0, bitmap.data(), 40, 40, -10, 30, 60, 80);
    EXPECT_EQ(1u, book->entries[0].undecodable);
    EXPECT_EQ(0xDDDDDDDDu, bitmap.At(0, 30));
    EXPECT_EQ(0xDDDDDDDDu, bitmap.At(39, 39));
    EXPECT_EQ(0x07070707u, bitmap.At(0, 29));
    // Drawn again: the page is not decoded again, the grey stays.
    Bitmap again(40, 40);
    DrawComicPage(book, 0, again.data(), 40, 40, 0, 0, 60, 80);
    EXPECT_EQ(0xDDDDDDDDu, again.At(20, 20));
    FreeComicBook(book);
}

TEST(DrawComicPage, ReadablePageIsDecodedDuringThePaint) {
    ComicBook* book = MakeBook({ReadFixture("imaging/distinct.png")});
    Bitmap bitmap(10, 10);
    // At the natural size: the exact pixels.
    DrawComicPage(book, 0, bitmap.data(), 10, 10, 1, 1, 3, 2);
    EXPECT_EQ(0xFF0A141Eu, bitmap.At(1, 1));
    EXPECT_EQ(0xFF010203u, bitmap.At(3, 2));
    EXPECT_TRUE(FindCachedImage(book, 0, 3, 2) != nullptr);
    // Larger than natural: decoded at the natural size and enlarged here,
    // so the cache still holds one image.
    Bitmap large(12, 8);
    DrawComicPage(book, 0, large.data(), 12, 8, 0, 0, 12, 8);
    EXPECT_EQ(0xFF0A141Eu, large.At(0, 0));
    EXPECT_EQ(0xFF010203u, large.At(11, 7));
    int occupied = 0;
    for (const PageImageSlot& s : book->decodedSlots) occupied += s.pixels != nullptr;
    EXPECT_EQ(1, occupied);
    // Outside the bitmap: nothing is decoded at all.
    ComicBook* other = MakeBook({ReadFixture("imaging/distinct.png")});
    DrawComicPage(other, 0, large.data(), 12, 8, 12, 0, 3, 2);
    EXPECT_EQ(0u, other->slotClock);
    FreeComicBook(other);
    FreeComicBook(book);
}

TEST(DrawComicPage, SmallerPageIsDecodedAtTheDrawnSize) {
    ComicBook* book = MakeBook({ReadFixture("imaging/transparent.png")});
    Bitmap bitmap(2, 1);
    DrawComicPage(book, 0, bitmap.data(), 2, 1, 0, 0, 2, 1);
    EXPECT_TRUE(FindCachedImage(book, 0, 2, 1) != nullptr);
    EXPECT_EQ(0xFFFFFFFFu, bitmap.At(0, 0));
    FreeComicBook(book);
}

}  // namespace
