// Entry name filter and image header probe.
#include "ArchiveTestSupport.h"

#include "archive/EntryFilter.h"

#include <string.h>

TEST(IsComicImageName, AcceptsImageNamesWhateverTheirCaseAndSeparator) {
    EXPECT_TRUE(IsComicImageName(L"Page 01.JPG"));
    EXPECT_TRUE(IsComicImageName(L"chap1\\p2.WebP"));
    EXPECT_TRUE(IsComicImageName(L"a.b.png"));
    EXPECT_TRUE(IsComicImageName(L"deep/er/x.Jfif"));
    EXPECT_TRUE(IsComicImageName(L"__macos.jpg"));   // seven characters: no match
}

TEST(IsComicImageName, AcceptsEveryKnownExtension) {
    const wchar_t* names[] = {L"a.jpg", L"a.jpeg", L"a.jpe", L"a.jfif", L"a.png",
                              L"a.gif", L"a.bmp", L"a.webp", L"a.tif", L"a.tiff",
                              L"a.avif", L"a.heic", L"a.heif", L"a.jxr", L"a.wdp"};
    for (const wchar_t* name : names) EXPECT_TRUE(IsComicImageName(name)) << Utf8(name);
}

TEST(IsComicImageName, RefusesMacFoldersAnywhereAsAPrefix) {
    EXPECT_FALSE(IsComicImageName(L"__MACOSX/chap1/._p1.jpg"));
    EXPECT_FALSE(IsComicImageName(L"chap1/__macosx_copy/p1.jpg"));
    EXPECT_FALSE(IsComicImageName(L"chap1\\__MacOsX\\p1.jpg"));
    EXPECT_FALSE(IsComicImageName(L"__macosx.jpg"));
}

TEST(IsComicImageName, RefusesDotFilesAndNamesWithoutAnImageExtension) {
    EXPECT_FALSE(IsComicImageName(L".hidden.png"));
    EXPECT_FALSE(IsComicImageName(L"._p1.jpg"));
    EXPECT_FALSE(IsComicImageName(L"chap/.p1.jpg"));
    EXPECT_FALSE(IsComicImageName(L"thumbs.db"));
    EXPECT_FALSE(IsComicImageName(L"cover.jpg.txt"));
    EXPECT_FALSE(IsComicImageName(L"folder/"));
    EXPECT_FALSE(IsComicImageName(L"noextension"));
    EXPECT_FALSE(IsComicImageName(L"p1.jpg "));
    EXPECT_FALSE(IsComicImageName(L"chap.1/p01"));   // the full stop belongs to the folder
    EXPECT_FALSE(IsComicImageName(L"a."));
    EXPECT_FALSE(IsComicImageName(L""));
    EXPECT_FALSE(IsComicImageName(L"__"));
    EXPECT_FALSE(IsComicImageName(L"p1.jpgx"));
    EXPECT_FALSE(IsComicImageName(L"p1.jp"));
}

// Probe input built in memory; the vector is exactly as long as the bytes
// given, so AddressSanitizer catches any read past it.
static bool Probe(const std::vector<BYTE>& bytes, int32_t* width, int32_t* height) {
    *width = *height = -7;
    return ProbeImageSize(bytes.empty() ? 0 : bytes.data(), bytes.size(), width, height);
}

static std::vector<BYTE> Bytes(std::initializer_list<int> values) {
    std::vector<BYTE> out;
    for (int v : values) out.push_back((BYTE)v);
    return out;
}

static void PutBig32(std::vector<BYTE>& b, size_t at, uint32_t v) {
    b[at] = (BYTE)(v >> 24); b[at + 1] = (BYTE)(v >> 16); b[at + 2] = (BYTE)(v >> 8); b[at + 3] = (BYTE)v;
}

static void PutLittle(std::vector<BYTE>& b, size_t at, uint32_t v, int count) {
    for (int i = 0; i < count; i++) b[at + i] = (BYTE)(v >> (8 * i));
}

static std::vector<BYTE> PngHeader(uint32_t width, uint32_t height) {
    std::vector<BYTE> b = Bytes({0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    b.resize(24);
    PutBig32(b, 16, width);
    PutBig32(b, 20, height);
    return b;
}

TEST(ProbeImageSize, ReadsPngSizeAndRefusesNonPositiveFields) {
    int32_t w, h;
    EXPECT_TRUE(Probe(PngHeader(1, 1), &w, &h));
    EXPECT_EQ(1, w);
    EXPECT_EQ(1, h);
    EXPECT_TRUE(Probe(PngHeader(0x7FFFFFFF, 3), &w, &h));
    EXPECT_EQ(0x7FFFFFFF, w);
    EXPECT_FALSE(Probe(PngHeader(0x80000000u, 5), &w, &h));
    EXPECT_FALSE(Probe(PngHeader(5, 0), &w, &h));
    std::vector<BYTE> cut = PngHeader(5, 5);
    cut.resize(23);
    EXPECT_FALSE(Probe(cut, &w, &h));
}

TEST(ProbeImageSize, ReadsGifLogicalScreenFromTenBytes) {
    int32_t w, h;
    std::vector<BYTE> gif = Bytes({'G', 'I', 'F', '8', '9', 'a', 0x80, 0x02, 0xE0, 0x01});
    EXPECT_TRUE(Probe(gif, &w, &h));
    EXPECT_EQ(640, w);
    EXPECT_EQ(480, h);
    gif.resize(9);
    EXPECT_FALSE(Probe(gif, &w, &h));
    EXPECT_FALSE(Probe(Bytes({'G', 'I', 'F', '8', '7', 'a', 0, 0, 5, 0}), &w, &h));
}

static std::vector<BYTE> BmpHeader(int32_t width, int32_t height) {
    std::vector<BYTE> b(26, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutLittle(b, 18, (uint32_t)width, 4);
    PutLittle(b, 22, (uint32_t)height, 4);
    return b;
}

TEST(ProbeImageSize, ReadsBmpOfEitherRowOrder) {
    int32_t w, h;
    EXPECT_TRUE(Probe(BmpHeader(7, 5), &w, &h));
    EXPECT_EQ(7, w);
    EXPECT_EQ(5, h);
    EXPECT_TRUE(Probe(BmpHeader(7, -5), &w, &h));
    EXPECT_EQ(7, w);
    EXPECT_EQ(5, h);
    EXPECT_FALSE(Probe(BmpHeader(-7, 5), &w, &h));
    EXPECT_FALSE(Probe(BmpHeader(7, 0), &w, &h));
    // The most negative height has no positive counterpart.
    EXPECT_FALSE(Probe(BmpHeader(7, (int32_t)0x80000000u), &w, &h));
    std::vector<BYTE> cut = BmpHeader(7, 5);
    cut.resize(25);
    EXPECT_FALSE(Probe(cut, &w, &h));
}

static std::vector<BYTE> WebpHeader(const char* tag) {
    std::vector<BYTE> b(30, 0);
    memcpy(&b[0], "RIFF", 4);
    memcpy(&b[8], "WEBP", 4);
    memcpy(&b[12], tag, 4);
    return b;
}

TEST(ProbeImageSize, ReadsTheThreeWebpHeaders) {
    int32_t w, h;
    std::vector<BYTE> extended = WebpHeader("VP8X");
    PutLittle(extended, 24, 999, 3);
    PutLittle(extended, 27, 0xFFFFFF, 3);
    EXPECT_TRUE(Probe(extended, &w, &h));
    EXPECT_EQ(1000, w);
    EXPECT_EQ(0x1000000, h);

    std::vector<BYTE> lossless = WebpHeader("VP8L");
    lossless[20] = 0x2F;
    PutLittle(lossless, 21, 0x3FFF | (0x3FFFu << 14) | 0xF0000000u, 4);
    EXPECT_TRUE(Probe(lossless, &w, &h));
    EXPECT_EQ(16384, w);
    EXPECT_EQ(16384, h);

    std::vector<BYTE> lossy = WebpHeader("VP8 ");
    lossy[23] = 0x9D;
    lossy[24] = 0x01;
    lossy[25] = 0x2A;
    PutLittle(lossy, 26, 0xC140, 2);   // the two scaling bits are masked off
    PutLittle(lossy, 28, 240, 2);
    EXPECT_TRUE(Probe(lossy, &w, &h));
    EXPECT_EQ(320, w);
    EXPECT_EQ(240, h);
    PutLittle(lossy, 28, 0xC000, 2);
    EXPECT_FALSE(Probe(lossy, &w, &h));
}

TEST(ProbeImageSize, WebpFailingItsExtraTestFallsThroughToJpegAndFails) {
    int32_t w, h;
    std::vector<BYTE> lossless = WebpHeader("VP8L");
    lossless[20] = 0x2E;
    EXPECT_FALSE(Probe(lossless, &w, &h));
    std::vector<BYTE> lossy = WebpHeader("VP8 ");
    lossy[23] = 0x9D;
    EXPECT_FALSE(Probe(lossy, &w, &h));
    EXPECT_FALSE(Probe(WebpHeader("ALPH"), &w, &h));
    std::vector<BYTE> cut = WebpHeader("VP8X");
    cut.resize(29);
    EXPECT_FALSE(Probe(cut, &w, &h));
}

// A JPEG start: SOI then the given segments.
static std::vector<BYTE> Jpeg(std::initializer_list<std::vector<BYTE>> segments) {
    std::vector<BYTE> b = Bytes({0xFF, 0xD8});
    for (const std::vector<BYTE>& s : segments) b.insert(b.end(), s.begin(), s.end());
    return b;
}

static std::vector<BYTE> Segment(int marker, size_t bodyLength, BYTE fill = 0) {
    std::vector<BYTE> b = Bytes({0xFF, marker});
    size_t length = bodyLength + 2;
    b.push_back((BYTE)(length >> 8));
    b.push_back((BYTE)length);
    b.resize(b.size() + bodyLength, fill);
    return b;
}

static std::vector<BYTE> Frame(int marker, int width, int height) {
    std::vector<BYTE> b = Segment(marker, 9);
    b[4] = 8;
    b[5] = (BYTE)(height >> 8);
    b[6] = (BYTE)height;
    b[7] = (BYTE)(width >> 8);
    b[8] = (BYTE)width;
    return b;
}

TEST(ProbeImageSize, SizesBaselineAndProgressiveJpegAlike) {
    int32_t w, h;
    EXPECT_TRUE(Probe(Jpeg({Segment(0xE0, 14), Frame(0xC0, 800, 600)}), &w, &h));
    EXPECT_EQ(800, w);
    EXPECT_EQ(600, h);
    EXPECT_TRUE(Probe(Jpeg({Segment(0xE0, 14), Frame(0xC2, 800, 600)}), &w, &h));
    EXPECT_EQ(800, w);
    EXPECT_EQ(600, h);
}

TEST(ProbeImageSize, SkipsTablesFillBytesAndMarkersWithoutLength) {
    int32_t w, h;
    // Huffman table (C4), arithmetic table (CC) and JPG (C8) are skipped by
    // length; fill bytes, restart markers and 0x01 have no length.
    std::vector<BYTE> filler = Bytes({0xFF, 0xFF, 0xFF, 0xD3, 0xFF, 0x01, 0x42});
    EXPECT_TRUE(Probe(Jpeg({Segment(0xC4, 20, 0xC0), Segment(0xCC, 4, 0xC0), Segment(0xC8, 3),
                            filler, Frame(0xC1, 17, 19)}),
                      &w, &h));
    EXPECT_EQ(17, w);
    EXPECT_EQ(19, h);
    EXPECT_FALSE(Probe(Jpeg({Frame(0xC0, 0, 19)}), &w, &h));
}

TEST(ProbeImageSize, JpegFrameBeyondTheBytesGivenIsNotSized) {
    int32_t w, h;
    std::vector<BYTE> metadata;
    for (int i = 0; i < 2; i++) {
        std::vector<BYTE> s = Segment(0xE1, 65000, 'x');
        metadata.insert(metadata.end(), s.begin(), s.end());
    }
    std::vector<BYTE> full = Jpeg({metadata, Frame(0xC0, 800, 600)});
    std::vector<BYTE> prefix(full.begin(), full.begin() + 65536);
    EXPECT_FALSE(Probe(prefix, &w, &h));
    EXPECT_TRUE(Probe(full, &w, &h));
    EXPECT_EQ(800, w);
    // The frame header must lie wholly inside the buffer.
    // The scan needs the frame marker at p with p + 9 inside the buffer.
    std::vector<BYTE> tight = Jpeg({Segment(0xE0, 2), Frame(0xC0, 800, 600)});
    std::vector<BYTE> cut(tight.begin(), tight.begin() + 18);   // frame at 8
    EXPECT_TRUE(Probe(cut, &w, &h));
    cut.resize(17);
    EXPECT_FALSE(Probe(cut, &w, &h));
    EXPECT_FALSE(Probe(Bytes({0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0, 5, 0, 5}), &w, &h));
}

TEST(ProbeImageSize, RefusesShortAndUnknownData) {
    int32_t w, h;
    EXPECT_FALSE(Probe(Bytes({0xFF, 0xD8, 0xFF}), &w, &h));
    EXPECT_FALSE(Probe(Bytes({}), &w, &h));
    EXPECT_FALSE(ProbeImageSize(0, 100, &w, &h));
    EXPECT_FALSE(Probe(Bytes({'I', 'I', 42, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0}), &w, &h));
    // A huge segment length ends the scan instead of reading past the end.
    EXPECT_FALSE(Probe(Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0}), &w, &h));
}

TEST(ProbeImageSize, SizesTheGeneratedImageFiles) {
    struct Case { const char* file; bool ok; int32_t width, height; } cases[] = {
        {"images/tiny.png", true, 1, 1},         {"images/page.png", true, 30, 40},
        {"images/negative-width.png", false, 0, 0}, {"images/zero-height.png", false, 0, 0},
        {"images/truncated.png", false, 0, 0},   {"images/page.gif", true, 3, 2},
        {"images/header-only.gif", true, 640, 480}, {"images/short.gif", false, 0, 0},
        {"images/bottom-up.bmp", true, 7, 5},    {"images/top-down.bmp", true, 7, 5},
        {"images/extended.webp", true, 1000, 1500}, {"images/lossless.webp", true, 16384, 16384},
        {"images/lossy.webp", true, 320, 240},   {"images/bad-lossless.webp", false, 0, 0},
        {"images/baseline.jpg", true, 800, 600}, {"images/progressive.jpg", true, 800, 600},
        {"images/far-frame.jpg", true, 800, 600}, {"images/truncated.jpg", false, 0, 0},
        {"images/not-an-image.txt", false, 0, 0},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> bytes = ReadFixture(c.file);
        ASSERT_FALSE(bytes.empty()) << c.file;
        int32_t w, h;
        EXPECT_EQ(c.ok, Probe(bytes, &w, &h)) << c.file;
        if (c.ok) {
            EXPECT_EQ(c.width, w) << c.file;
            EXPECT_EQ(c.height, h) << c.file;
        }
    }
    std::vector<BYTE> farFrame = ReadFixture("images/far-frame.jpg");
    farFrame.resize(65536);
    int32_t w, h;
    EXPECT_FALSE(Probe(farFrame, &w, &h));
}
