// Comic book model: detection, natural order, sizes and entry reads.
#include "ArchiveTestSupport.h"

#include "archive/ComicBook.h"
#include "archive/Inflate.h"

#include <string.h>

static int Detect(std::initializer_list<int> values) {
    std::vector<BYTE> bytes;
    for (int v : values) bytes.push_back((BYTE)v);
    return DetectArchiveKind(bytes.empty() ? 0 : bytes.data(), bytes.size());
}

TEST(DetectArchiveKind, AcceptsTheFourZipFormsAndTheRarSignatureOnly) {
    EXPECT_EQ(ARCHIVE_ZIP, Detect({'P', 'K', 3, 4}));
    EXPECT_EQ(ARCHIVE_ZIP, Detect({'P', 'K', 5, 6}));
    EXPECT_EQ(ARCHIVE_ZIP, Detect({'P', 'K', 3, 6}));
    EXPECT_EQ(ARCHIVE_ZIP, Detect({'P', 'K', 5, 4}));
    EXPECT_EQ(0, Detect({'P', 'K', 3}));
    EXPECT_EQ(0, Detect({'P', 'K', 1, 2}));
    EXPECT_EQ(0, Detect({'P', 'K', 7, 8}));
    EXPECT_EQ(ARCHIVE_RAR, Detect({'R', 'a', 'r', '!', 0x1A, 0x07, 0x00}));
    EXPECT_EQ(ARCHIVE_RAR, Detect({'R', 'a', 'r', '!', 0x1A, 0x07, 0x01}));
    EXPECT_EQ(0, Detect({'R', 'a', 'r', '!', 0x1A, 0x07}));
    EXPECT_EQ(0, Detect({'R', 'a', 'r', '!', 0x1A, 0x08, 0x00}));
    EXPECT_EQ(0, Detect({'%', 'P', 'D', 'F', '-', '1', '.', '7'}));
    EXPECT_EQ(0, Detect({}));
}

TEST(DetectArchiveKind, IgnoresTheFileName) {
    std::vector<BYTE> comic = ReadFixture("comic-named.zip");
    EXPECT_EQ(ARCHIVE_ZIP, DetectArchiveKind(comic.data(), comic.size()));
}

static int Sign(int v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

TEST(CompareNatural, ComparesDigitRunsAsNumbers) {
    EXPECT_LT(CompareNatural(L"page2.jpg", L"page10.jpg"), 0);
    EXPECT_GT(CompareNatural(L"page10.jpg", L"page9.jpg"), 0);
    EXPECT_EQ(0, CompareNatural(L"a7", L"a07"));
    EXPECT_EQ(0, CompareNatural(L"a07", L"a007"));
    EXPECT_EQ(0, CompareNatural(L"a01.jpg", L"a1.jpg"));
    EXPECT_EQ(0, CompareNatural(L"p0", L"p000"));   // a run of zeros keeps one
    EXPECT_LT(CompareNatural(L"p0", L"p1"), 0);
    // Longer run: the difference of the lengths; same length: of the digits.
    EXPECT_EQ(1, CompareNatural(L"a100", L"a20"));
    EXPECT_EQ(-1, CompareNatural(L"a12", L"a13"));
    EXPECT_EQ(-7, CompareNatural(L"v2x", L"v9x"));
    EXPECT_EQ(0, CompareNatural(L"12345678901234567890", L"012345678901234567890"));
    EXPECT_GT(CompareNatural(L"99999999999999999999", L"99999999999999999998"), 0);
}

TEST(CompareNatural, FoldsCaseOneUnitAtATimeAndComparesTheRestByUnit) {
    EXPECT_EQ(0, CompareNatural(L"Page1.jpg", L"page1.jpg"));
    EXPECT_EQ('a' - 'b', CompareNatural(L"A", L"b"));
    // A digit against a letter: the digit's code unit is smaller.
    EXPECT_LT(CompareNatural(L"1.jpg", L"a.jpg"), 0);
    // The full stop (0x2E) against the digit one (0x31).
    EXPECT_LT(CompareNatural(L"x.jpg", L"x1.jpg"), 0);
    EXPECT_EQ('.' - '1', CompareNatural(L"x.jpg", L"x1.jpg"));
    // When a name ends, the units are compared without case folding.
    EXPECT_EQ(-'b', CompareNatural(L"a", L"ab"));
    EXPECT_EQ('C', CompareNatural(L"abC", L"ab"));
    EXPECT_EQ(0, CompareNatural(L"", L""));
    EXPECT_EQ(0, CompareNatural(L"same", L"same"));
    // Units above 0x7FFF compare as unsigned values.
    EXPECT_GT(CompareNatural(L"\xFF5E", L"a"), 0);
    EXPECT_EQ(Sign(CompareNatural(L"b_", L"B-")), -Sign(CompareNatural(L"B-", L"b_")));
}

// Entries that only carry names, for the sort.
struct NamedEntries {
    std::vector<ArchiveEntry> entries;
    explicit NamedEntries(std::initializer_list<const wchar_t*> names) {
        int tag = 0;
        for (const wchar_t* name : names) {
            ArchiveEntry e;
            memset(&e, 0, sizeof(e));
            e.name = (wchar_t*)name;
            e.headerIndex = tag++;   // remembers the original position
            entries.push_back(e);
        }
    }
    void Sort() { SortComicEntries(entries.data(), (int32_t)entries.size()); }
    std::string Order() const {
        std::string out;
        for (const ArchiveEntry& e : entries) out += (out.empty() ? "" : " ") + Utf8(e.name);
        return out;
    }
};

TEST(SortComicEntries, PutsPagesInNaturalOrder) {
    NamedEntries list({L"page10.jpg", L"Page1.jpg", L"page2.jpg"});
    list.Sort();
    EXPECT_EQ("Page1.jpg page2.jpg page10.jpg", list.Order());
    NamedEntries mixed({L"b.jpg", L"x1.jpg", L"x.jpg", L"10.jpg", L"a.jpg", L"9.jpg", L"A2.jpg"});
    mixed.Sort();
    EXPECT_EQ("9.jpg 10.jpg a.jpg A2.jpg b.jpg x.jpg x1.jpg", mixed.Order());
    NamedEntries none({});
    none.Sort();
    NamedEntries one({L"only.png"});
    one.Sort();
    EXPECT_EQ("only.png", one.Order());
}

TEST(SortComicEntries, TiesEndInTheOrderTheShellSortGives) {
    // With gap 2, a01 jumps over z and lands before its equal a1, which a
    // stable sort would have kept first.
    NamedEntries list({L"z", L"a1", L"a01", L"zz"});
    list.Sort();
    EXPECT_EQ("a01 a1 z zz", list.Order());
    // Within one gap-1 pass, equal names keep their relative order.
    NamedEntries equal({L"a1", L"a01", L"a001"});
    equal.Sort();
    EXPECT_EQ("a1 a01 a001", equal.Order());
}

static ArchiveEntry WithHeight(int32_t width, int32_t height) {
    ArchiveEntry e;
    memset(&e, 0, sizeof(e));
    e.width = width;
    e.height = height;
    return e;
}

TEST(ComputeTypicalHeight, TakesTheUpperMedianOfKnownHeights) {
    std::vector<ArchiveEntry> two = {WithHeight(0, 0), WithHeight(10, 1000), WithHeight(0, 0),
                                     WithHeight(10, 2000)};
    EXPECT_EQ(2000, ComputeTypicalHeight(two.data(), (int32_t)two.size()));
    std::vector<ArchiveEntry> three = {WithHeight(1, 300), WithHeight(1, 100), WithHeight(1, 200)};
    EXPECT_EQ(200, ComputeTypicalHeight(three.data(), 3));
    std::vector<ArchiveEntry> same = {WithHeight(1, 5), WithHeight(1, 5), WithHeight(1, 9),
                                      WithHeight(1, -4)};
    EXPECT_EQ(5, ComputeTypicalHeight(same.data(), 4));
    std::vector<ArchiveEntry> unknown = {WithHeight(0, 0), WithHeight(0, 0)};
    EXPECT_EQ(1400, ComputeTypicalHeight(unknown.data(), 2));
    EXPECT_EQ(1400, ComputeTypicalHeight(nullptr, 0));
}

TEST(GetComicPageSize, AllPagesShareTheTypicalHeight) {
    ComicBook* book = NewEmptyBook();
    ArchiveEntry entries[3] = {WithHeight(600, 1000), WithHeight(0, 0), WithHeight(1500, 2000)};
    book->entries = entries;
    book->entryCount = 3;
    book->typicalHeight = ComputeTypicalHeight(entries, 3);
    double w = 0, h = 0;
    GetComicPageSize(book, 1, &w, &h);
    EXPECT_DOUBLE_EQ(1500.0, h);
    EXPECT_NEAR(1071.43, w, 0.005);
    GetComicPageSize(book, 0, &w, &h);
    EXPECT_DOUBLE_EQ(1500.0, h);
    EXPECT_DOUBLE_EQ(900.0, w);
    GetComicPageSize(book, 2, &w, &h);
    EXPECT_DOUBLE_EQ(1125.0, w);
    book->typicalHeight = 1400;
    GetComicPageSize(book, 1, &w, &h);
    EXPECT_DOUBLE_EQ(1050.0, h);
    EXPECT_DOUBLE_EQ(750.0, w);
    book->entries = 0;
    book->entryCount = 0;
    FreeComicBook(book);
}

static ArchiveEntry EntryOver(const std::vector<BYTE>& data, uint32_t method, uint64_t unpacked) {
    ArchiveEntry e;
    memset(&e, 0, sizeof(e));
    e.data = data.empty() ? 0 : data.data();
    e.packedSize = data.size();
    e.unpackedSize = unpacked;
    e.method = method;
    return e;
}

TEST(ReadEntryBytes, ServesStoredEntriesInPlace) {
    std::vector<BYTE> data = {'a', 'b', 'c', 'd', 'e'};
    ArchiveEntry e = EntryOver(data, METHOD_STORED, 5);
    uint64_t size = 99;
    BYTE* owned = (BYTE*)1;
    EXPECT_EQ(data.data(), ReadEntryBytes(&e, 0, &size, &owned));
    EXPECT_EQ(5u, size);
    EXPECT_EQ(nullptr, owned);
    EXPECT_EQ(data.data(), ReadEntryBytes(&e, 3, &size, &owned));
    EXPECT_EQ(3u, size);
    EXPECT_EQ(data.data(), ReadEntryBytes(&e, 65536, &size, &owned));
    EXPECT_EQ(5u, size);
    // The directory may claim more than the data holds: never past it.
    ArchiveEntry overstated = EntryOver(data, METHOD_STORED, 500);
    EXPECT_EQ(data.data(), ReadEntryBytes(&overstated, 0, &size, &owned));
    EXPECT_EQ(5u, size);
    std::vector<BYTE> nothing;
    ArchiveEntry empty = EntryOver(data, METHOD_STORED, 0);
    empty.packedSize = 0;
    EXPECT_EQ(data.data(), ReadEntryBytes(&empty, 0, &size, &owned));
    EXPECT_EQ(0u, size);
}

TEST(ReadEntryBytes, InflatesDeflatedEntriesIntoAnOwnedBuffer) {
    std::vector<BYTE> stream = ReadFixture("deflate/text.bin");
    std::vector<BYTE> expected = ReadFixture("deflate/text.out");
    ArchiveEntry e = EntryOver(stream, METHOD_DEFLATE, expected.size());
    uint64_t size = 0;
    BYTE* owned = 0;
    const BYTE* bytes = ReadEntryBytes(&e, 0, &size, &owned);
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(owned, bytes);
    EXPECT_EQ(expected.size(), size);
    EXPECT_EQ(0, memcmp(bytes, expected.data(), expected.size()));
    HeapFree(GetProcessHeap(), 0, owned);
    bytes = ReadEntryBytes(&e, PROBE_PREFIX_SIZE, &size, &owned);
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(65536u, size);
    EXPECT_EQ(0, memcmp(bytes, expected.data(), 65536));
    HeapFree(GetProcessHeap(), 0, owned);
    // An overstated size still gives the real bytes.
    ArchiveEntry overstated = EntryOver(stream, METHOD_DEFLATE, expected.size() + 77);
    bytes = ReadEntryBytes(&overstated, 0, &size, &owned);
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(expected.size(), size);
    HeapFree(GetProcessHeap(), 0, owned);
}

TEST(ReadEntryBytes, FailuresReturnNullAndOwnNothing) {
    std::vector<BYTE> stream = ReadFixture("deflate/text.bin");
    uint64_t size = 0;
    BYTE* owned = (BYTE*)1;
    // Nothing can be produced for an empty deflate entry.
    ArchiveEntry zero = EntryOver(stream, METHOD_DEFLATE, 0);
    EXPECT_EQ(nullptr, ReadEntryBytes(&zero, 0, &size, &owned));
    EXPECT_EQ(nullptr, owned);
    ArchiveEntry huge = EntryOver(stream, METHOD_DEFLATE, 0x20000001ull);
    owned = (BYTE*)1;
    EXPECT_EQ(nullptr, ReadEntryBytes(&huge, 16, &size, &owned));
    EXPECT_EQ(nullptr, owned);
    std::vector<BYTE> cut(stream.begin(), stream.begin() + 40);
    ArchiveEntry truncated = EntryOver(cut, METHOD_DEFLATE, 200000);
    owned = (BYTE*)1;
    EXPECT_EQ(nullptr, ReadEntryBytes(&truncated, 0, &size, &owned));
    EXPECT_EQ(nullptr, owned);
    ArchiveEntry other = EntryOver(stream, 12, 100);
    owned = (BYTE*)1;
    EXPECT_EQ(nullptr, ReadEntryBytes(&other, 0, &size, &owned));
    EXPECT_EQ(nullptr, owned);
    ArchiveEntry rar = EntryOver(stream, METHOD_RAR, 100);
    owned = (BYTE*)1;
    EXPECT_EQ(nullptr, ReadEntryBytes(&rar, 0, &size, &owned));
    EXPECT_EQ(nullptr, owned);
    // The largest accepted size still reads its prefix.
    ArchiveEntry ceiling = EntryOver(stream, METHOD_DEFLATE, 0x20000000ull);
    const BYTE* bytes = ReadEntryBytes(&ceiling, 10, &size, &owned);
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(10u, size);
    HeapFree(GetProcessHeap(), 0, owned);
}

// A comic opened from a generated file; the bytes play the mapping.
struct OpenedComic {
    std::vector<BYTE> bytes;
    ComicBook* book = 0;
    int error = -1;
    explicit OpenedComic(const char* file, int kind = ARCHIVE_ZIP) {
        bytes = ReadFixture(file);
        book = OpenComicBook(kind, L"C:\\comics\\file.cbz", bytes.data(), bytes.size(), &error);
    }
    ~OpenedComic() { FreeComicBook(book); }
    std::string Order() const {
        std::string out;
        for (int i = 0; i < book->entryCount; i++) {
            out += (i ? " " : "") + Utf8(book->entries[i].name);
        }
        return out;
    }
};

TEST(OpenComicBook, OpensAComicInPageOrderWithItsSizes) {
    for (const char* file : {"comic.cbz", "comic-named.zip"}) {
        OpenedComic comic(file);
        ASSERT_EQ(0, comic.error) << file;
        ASSERT_NE(nullptr, comic.book);
        ASSERT_EQ(6, comic.book->entryCount);
        EXPECT_EQ("page1.png page2.png page3.png page4.png page5.png page10.png", comic.Order());
        for (int i = 0; i < 6; i++) {
            EXPECT_EQ(60, comic.book->entries[i].width);
            EXPECT_EQ(80, comic.book->entries[i].height);
        }
        EXPECT_EQ(80, comic.book->typicalHeight);
        double w, h;
        GetComicPageSize(comic.book, 5, &w, &h);
        EXPECT_DOUBLE_EQ(60.0, h);
        EXPECT_DOUBLE_EQ(45.0, w);
    }
}

TEST(OpenComicBook, ReportsArchivesWithoutPages) {
    OpenedComic none("not-images.cbz");
    EXPECT_EQ(1, none.error);
    EXPECT_EQ(nullptr, none.book);
    OpenedComic empty("zip/empty.zip");
    EXPECT_EQ(1, empty.error);
    EXPECT_EQ(nullptr, empty.book);
    OpenedComic locked("zip/encrypted-only.zip");
    EXPECT_EQ(2, locked.error);
    EXPECT_EQ(nullptr, locked.book);
    OpenedComic damaged("zip/damaged-central.zip");
    EXPECT_EQ(4, damaged.error);
    EXPECT_EQ(nullptr, damaged.book);
}

TEST(OpenComicBook, RarNeedsTheRarLibrary) {
    OpenedComic rar("comic.cbz", ARCHIVE_RAR);
    EXPECT_EQ(3, rar.error);
    EXPECT_EQ(nullptr, rar.book);
}

TEST(OpenComicBook, KeepsPagesWhoseSizeCannotBeLearnt) {
    // Method 12 cannot be read, so neither probe nor decoder can size it.
    OpenedComic comic("zip/method-other.zip");
    ASSERT_EQ(0, comic.error);
    ASSERT_EQ(1, comic.book->entryCount);
    EXPECT_EQ(0, comic.book->entries[0].width);
    EXPECT_EQ(0, comic.book->entries[0].height);
    EXPECT_EQ(1400, comic.book->typicalHeight);
    double w, h;
    GetComicPageSize(comic.book, 0, &w, &h);
    EXPECT_DOUBLE_EQ(1050.0, h);
    EXPECT_DOUBLE_EQ(750.0, w);
}

TEST(OpenComicBook, SizesDeflatedAndStoredEntriesFromTheirHeaders) {
    OpenedComic comic("zip/deflate-large.zip");
    ASSERT_EQ(0, comic.error);
    // big.png (300 x 400 header, deflated), small.png (3 x 4); the two empty
    // entries stay unsized.
    ASSERT_EQ(4, comic.book->entryCount);
    // "-" (0x2D) sorts before "." (0x2E).
    EXPECT_EQ("big.png small.png zero-stored.png zero.png", comic.Order());
    EXPECT_EQ(300, comic.book->entries[0].width);
    EXPECT_EQ(400, comic.book->entries[0].height);
    EXPECT_EQ(3, comic.book->entries[1].width);
    EXPECT_EQ(0, comic.book->entries[2].width);
    EXPECT_EQ(0, comic.book->entries[3].width);
    EXPECT_EQ(400, comic.book->typicalHeight);
}

TEST(FreeComicBook, ReleasesEverythingTheBookOwns) {
    FreeComicBook(nullptr);
    OpenedComic comic("comic.cbz");
    ASSERT_NE(nullptr, comic.book);
    // Decoded slots own their pixels; the release frees them.
    comic.book->decodedSlots[3].pixels = (BYTE*)HeapAlloc(GetProcessHeap(), 0, 64);
    comic.book->decodedSlots[11].pixels = (BYTE*)HeapAlloc(GetProcessHeap(), 0, 64);
    comic.book->entries[0].ownedData = (BYTE*)HeapAlloc(GetProcessHeap(), 0, 16);
    comic.book->archivePath = DuplicateString(L"C:\\comics\\file.cbr");
}

TEST(DuplicateString, CopiesTheTextWithItsTerminator) {
    wchar_t* copy = DuplicateString(L"caf\x00E9");
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ("caf\xc3\xa9", Utf8(copy));
    EXPECT_EQ(0, copy[4]);
    HeapFree(GetProcessHeap(), 0, copy);
    EXPECT_EQ(nullptr, DuplicateString(nullptr));
}
