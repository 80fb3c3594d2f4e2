// Pure functions over entry names and header bytes: the page-name filter,
// the image header probe and natural page order.
//
// Inputs are copied into vectors of exactly their length, so that the
// native AddressSanitizer build catches any read past them.
#include "Support.h"

#include "archive/ComicBook.h"
#include "archive/EntryFilter.h"

using namespace std::string_literals;

TEST(IsComicImageName, AcceptsImagePagesOnly)
{
    const wchar_t *pages[] = {L"Page 01.JPG",    L"chap1\\p2.WebP", L"a.b.png",
                              L"deep/er/x.Jfif", L"__macos.jpg",    L"a.WDP"};
    const wchar_t *notPages[] = {L"__macosx.jpg", L".hidden.png", L"thumbs.db", L"cover.jpg.txt", L"p1.jpg ",
                                 L"p1.jpgx", L"p1.jp", L"noextension", L"a.", L"__", L"",
                                 // hidden or resource-fork folders, folders alone
                                 L"chap1\\__MacOsX\\p1.jpg", L"chap1/__macosx_copy/p1.jpg", L"chap/.p1.jpg",
                                 L"chap.1/p01", L"folder/"};
    for (const wchar_t *name : pages) EXPECT_TRUE(IsComicImageName(name)) << Utf8(name);
    for (const wchar_t *name : notPages) EXPECT_FALSE(IsComicImageName(name)) << Utf8(name);
}

TEST(ProbeImageSize, ReadsHeadersAndRefusesShortOrHostileOnes)
{
    // The n low bytes of v, little-endian unless big.
    auto Field = [](uint32_t v, int n, bool big = false) {
        std::string out;
        for (int i = 0; i < n; i++) out += (char)(v >> (8 * (big ? n - 1 - i : i)));
        return out;
    };
    auto be = [&](uint32_t v, int n) { return Field(v, n, true); };
    auto png = [&](uint32_t w, uint32_t h) { return "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s + be(w, 4) + be(h, 4); };
    auto bmp = [&](int32_t w, int32_t h) { return "BM"s + std::string(16, 0) + Field(w, 4) + Field(h, 4); };
    // tag, then bytes 16 to 29
    auto webp = [](const char *tag, const std::string &rest) { return "RIFF\0\0\0\0WEBP"s + tag + rest; };
    auto segment = [&](int marker, int n) { return "\xff"s + char(marker) + be(n + 2, 2) + std::string(n, 0); };
    auto frame = [&](int marker, int w, int h) {
        return "\xff"s + (char)marker + "\0\x0b\x08"s + be(h, 2) + be(w, 2) + "\1\1\x11\0"s;
    };
    std::string jpeg = "\xff\xd8"s + segment(0xE0, 14);
    std::string vp8x = webp("VP8X", std::string(8, 0) + Field(999, 3) + Field(0xFFFFFF, 3));
    std::string vp8l =
        webp("VP8L", std::string(4, 0) + "\x2f" + Field(0xF0000000u | 0x3FFF << 14 | 0x3FFF, 4) + std::string(5, 0));
    std::string vp8 = webp("VP8 ", std::string(7, 0) + "\x9d\x01\x2a" + Field(0xC140, 2) + Field(240, 2));
    std::string tight = "\xff\xd8"s + segment(0xE0, 2) + frame(0xC0, 800, 600); // frame at 8
    // Tables (C4, CC, C8) skipped by length; fill bytes, a restart marker and
    // 0x01 have no length.
    std::string tables =
        "\xff\xd8"s + segment(0xC4, 20) + segment(0xCC, 4) + segment(0xC8, 3) + "\xff\xff\xff\xd3\xff\x01\x42";
    std::string distant = jpeg + segment(0xE1, 65000) + segment(0xE1, 65000) + frame(0xC0, 800, 600);
    const struct {
        std::string bytes;
        int32_t width, height; // 0 x 0: the probe fails
    } rows[] = {
        {png(0x7FFFFFFF, 3), 0x7FFFFFFF, 3},
        {png(0x80000000u, 5), 0, 0}, // negative as a signed value
        {png(5, 0), 0, 0},
        {png(5, 5).substr(0, 23), 0, 0},
        {"GIF89a\x80\x02\xe0\x01"s, 640, 480},
        {"GIF89a\x80\x02\xe0"s, 0, 0},
        {"GIF87a\0\0\5\0"s, 0, 0},
        {bmp(7, 5), 7, 5},
        {bmp(7, -5), 7, 5}, // top-down
        {bmp(-7, 5), 0, 0},
        {bmp(7, INT32_MIN), 0, 0}, // no positive counterpart
        {bmp(7, 5).substr(0, 25), 0, 0},
        {vp8x, 1000, 0x1000000},
        {vp8x.substr(0, 29), 0, 0},
        {vp8l, 16384, 16384},
        {vp8, 320, 240}, // the two scaling bits are masked off
        {vp8.substr(0, 28) + Field(0xC000, 2), 0, 0},
        // WebP failing its own test goes on to the JPEG test, and fails there.
        {vp8l.substr(0, 20) + "\x2e" + vp8l.substr(21), 0, 0},
        {vp8.substr(0, 25) + '\0' + vp8.substr(26), 0, 0},
        {webp("ALPH", std::string(14, 0)), 0, 0},
        {jpeg + frame(0xC0, 800, 600), 800, 600},
        {jpeg + frame(0xC2, 800, 600), 800, 600}, // progressive
        {tables + frame(0xC1, 17, 19), 17, 19},
        {jpeg + frame(0xC0, 0, 19), 0, 0},
        {tight.substr(0, 18), 800, 600}, // the frame needs p + 9 inside the bytes
        {tight.substr(0, 17), 0, 0},
        {distant, 800, 600},
        {distant.substr(0, 65536), 0, 0},                        // beyond the probe prefix: the decoder's job
        {"\xff\xd8\xff\xe0\xff\xff"s + std::string(7, 0), 0, 0}, // segment length past the end
        {"\xff\xd8\xff"s, 0, 0},
        {"II*\0\x08\0\0\0\0\0\0\0\0\0"s, 0, 0}, // TIFF has no probe
        {""s, 0, 0},
    };
    for (const auto &r : rows) {
        std::vector<BYTE> bytes(r.bytes.begin(), r.bytes.end());
        int32_t width = 0, height = 0;
        bool sized = ProbeImageSize(bytes.data(), bytes.size(), &width, &height);
        EXPECT_EQ(std::make_pair(r.width, r.height), sized ? std::make_pair(width, height) : std::make_pair(0, 0))
            << "row " << &r - rows;
    }
}

TEST(CompareNatural, ComparesDigitRunsAsNumbersAndFoldsCaseForTheSort)
{
    const struct {
        const wchar_t *a, *b;
        int sign;
    } rows[] = {
        {L"page2.jpg", L"page10.jpg", -1},
        {L"a7", L"a07", 0},
        {L"p0", L"p000", 0}, // a run of zeros keeps one
        {L"p0", L"p1", -1},
        {L"a100", L"a20", 1},
        {L"12345678901234567890", L"012345678901234567890", 0}, // longer than any integer
        {L"99999999999999999999", L"99999999999999999998", 1},
        {L"Page1.jpg", L"page1.jpg", 0},
        {L"1.jpg", L"a.jpg", -1},
        {L"x.jpg", L"x1.jpg", -1}, // full stop 0x2E before digit one 0x31
        {L"a", L"ab", -1},
        {L"", L"", 0},
        {L"\xFF5E", L"a", 1}, // code units compare unsigned
        {L"b_", L"B-", 1},
    };
    for (const auto &r : rows) {
        int ab = CompareNatural(r.a, r.b), ba = CompareNatural(r.b, r.a);
        EXPECT_EQ(r.sign, (ab > 0) - (ab < 0)) << Utf8(r.a) << " : " << Utf8(r.b);
        EXPECT_EQ(-r.sign, (ba > 0) - (ba < 0)) << Utf8(r.b) << " : " << Utf8(r.a);
    }
    // The sort ends ties as the Shell sort does.
    const struct {
        std::vector<const wchar_t *> names;
        const char *order;
    } orders[] = {
        {{L"b.jpg", L"x1.jpg", L"x.jpg", L"10.jpg", L"a.jpg", L"9.jpg", L"A2.jpg"},
         "9.jpg 10.jpg a.jpg A2.jpg b.jpg x.jpg x1.jpg"},
        // With gap 2, a01 jumps over z and lands before its equal a1.
        {{L"z", L"a1", L"a01", L"zz"}, "a01 a1 z zz"},
        // Within the gap-1 pass, equal names keep their order.
        {{L"a1", L"a01", L"a001"}, "a1 a01 a001"},
        {{}, ""},
    };
    for (const auto &r : orders) {
        std::vector<ArchiveEntry> entries(r.names.size());
        for (size_t i = 0; i < entries.size(); i++) entries[i].name = (wchar_t *)r.names[i];
        SortComicEntries(entries.data(), (int32_t)entries.size());
        std::string order;
        for (const ArchiveEntry &e : entries) order += (order.empty() ? "" : " ") + Utf8(e.name);
        EXPECT_EQ(r.order, order);
    }
}
