// The comic model on generated archives: the ZIP reader's normal, damaged
// and hostile directories, opening and sizing a book, page sizes, entry
// reads and release.
#include "Support.h"

#include "archive/ComicBook.h"
#include "archive/ZipReader.h"

#include <string.h>

using namespace std::string_literals;

// The book's entry names in their order, with their sizes when asked.
static std::string Describe(const ComicBook *book, bool sizes)
{
    std::string out;
    for (int32_t i = 0; i < book->entryCount; i++) {
        const ArchiveEntry &e = book->entries[i];
        out += (i ? " " : "") + Utf8(e.name);
        if (sizes) out += ":" + std::to_string(e.width) + "x" + std::to_string(e.height);
    }
    return out;
}

// A zero-filled book, as OpenComicBook hands it to the reader.
static ComicBook *NewBook()
{
    return (ComicBook *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ComicBook));
}

TEST(ReadZipDirectory, ListsReadableImagesAndRejectsDamagedDirectories)
{
    const struct {
        const char *file;
        int result;
        const char *names = ""; // in directory order
        uint64_t firstSize = 0; // the first entry's unpackedSize, unless 0
    } rows[] = {
        {"basic.zip", 0, "page10.png page2.png Page1.png"},
        {"empty.zip", 1}, // the end record alone
        {"short.zip", 4}, // one byte short of it
        {"end-at-limit.zip", 0, "p1.png"},
        {"end-too-far.zip", 4},
        {"zip64-locator.zip", 0, "p1.png p2.png"},
        {"zip64-no-locator.zip", 4}, // 65535 entries do not fit the directory
        {"zip64-huge-offset.zip", 4},
        {"zip64-record-past-end.zip", 4},
        {"zip64-size-wraps.zip", 4},
        {"zip64-at-start.zip", 4},
        {"zip64-count-wraps.zip", 4},
        {"zip64-extra.zip", 0, "p1.png", 24},
        {"zip64-extra-short.zip", 0, "p1.png", 0xFFFFFFFF}, // block too short: the field stays as read
        {"zip64-extra-overrun.zip", 0, "p1.png", 0xFFFFFFFF},
        {"zip64-extra-twice.zip", 0, "p1.png", 24}, // every block is read: the second wins
        {"names.zip", 0, "caf\xc3\xa9.png th\xc3\xa9.png tea\xe2\x94\x9c\xe2\x8c\x90.png"},
        {"local-extra.zip", 0, "p1.png"},
        {"damaged-central.zip", 4},
        {"directory-outside.zip", 4},
        {"directory-too-long.zip", 4},
        {"too-many-entries.zip", 4},
        {"directory-cut.zip", 4},
        {"encrypted-only.zip", 2},
        {"encrypted-plus-plain.zip", 0, "p2.png"},
        {"encrypted-text-only.zip", 1},
        {"local-missing.zip", 0, "p2.png"},
        {"data-past-end.zip", 0, "p2.png"},
    };
    for (const auto &r : rows) {
        std::vector<BYTE> bytes = ReadFixture("zip/"s + r.file);
        ComicBook *book = NewBook();
        int result = ReadZipDirectory(book, bytes.data(), bytes.size());
        EXPECT_EQ(r.result, result) << r.file;
        EXPECT_EQ(r.names, result == 0 ? Describe(book, false) : "") << r.file; // a failed book is only freed
        EXPECT_EQ(r.firstSize, r.firstSize && book->entryCount ? book->entries[0].unpackedSize : 0) << r.file;
        // Every entry lies inside the archive, and stored data starts with
        // its PNG signature: the local header's own lengths were followed.
        for (int32_t i = 0; i < book->entryCount; i++) {
            const ArchiveEntry &e = book->entries[i];
            EXPECT_TRUE(e.data >= bytes.data() && e.packedSize <= (uint64_t)(bytes.data() + bytes.size() - e.data))
                << r.file;
            EXPECT_TRUE(e.method != METHOD_STORED || memcmp(e.data, "\x89PNG", 4) == 0) << r.file;
        }
        FreeComicBook(book);
    }
}

TEST(OpenComicBook, SortsAndSizesThePagesOrSaysWhyNot)
{
    const struct {
        const char *file;
        int error;
        const char *pages = ""; // name:widthxheight in page order
        int32_t typicalHeight = 0;
    } rows[] = {
        {"comic.cbz", 0,
         "page1.png:60x80 page2.png:60x80 page3.png:60x80 page4.png:60x80 page5.png:60x80 page10.png:60x80", 80},
        // Sized from a deflated prefix; empty and unreadable entries stay
        // pages of unknown size.
        {"zip/sizes.zip", 0, "big.png:300x400 other.png:0x0 small.png:3x4 zero-stored.png:0x0 zero.png:0x0", 400},
        {"not-images.cbz", 1},
        {"zip/damaged-central.zip", 4},
    };
    for (const auto &r : rows) {
        std::vector<BYTE> bytes = ReadFixture(r.file);
        // By a path that names no file the listing reads the mapping; by the
        // file's own path it reads the local headers and the first bytes of
        // the images through the file. Both must give the same book.
        const char *folder = getenv("FOLIVEX_FIXTURES");
        std::string own = std::string(folder ? folder : ".") + "/" + r.file;
        for (const std::string &name : {"C:\\no-such-comic.cbz"s, own}) {
            std::wstring path(name.begin(), name.end());
            int error = -1;
            ComicBook *book = OpenComicBook(ARCHIVE_ZIP, path.c_str(), bytes.data(), bytes.size(), &error);
            EXPECT_EQ(r.error, error) << r.file;
            EXPECT_EQ(r.error == 0, book != nullptr) << r.file;
            if (!book) continue;
            EXPECT_EQ(r.pages, Describe(book, true)) << name;
            EXPECT_EQ(r.typicalHeight, book->typicalHeight) << r.file;
            FreeComicBook(book);
        }
    }
}

TEST(ComputeTypicalHeight, TakesTheUpperMedianOfKnownHeights)
{
    const struct {
        std::vector<int32_t> heights;
        int32_t typical;
    } rows[] = {{{0, 1000, 0, 2000}, 2000}, {{300, 100, 200}, 200}, {{5, 5, 9, -4}, 5}, {{0, 0}, 1400}, {{}, 1400}};
    for (const auto &r : rows) {
        std::vector<ArchiveEntry> entries(r.heights.size());
        for (size_t i = 0; i < entries.size(); i++) entries[i].height = r.heights[i];
        EXPECT_EQ(r.typical, ComputeTypicalHeight(entries.data(), (int32_t)entries.size()));
    }
}

TEST(GetComicPageSize, SharesTheTypicalHeightAndKeepsEachShape)
{
    ArchiveEntry entries[3] = {};
    entries[0].width = 600, entries[0].height = 1000;
    entries[2].width = 1500, entries[2].height = 2000;
    ComicBook book = {};
    book.entries = entries, book.entryCount = 3, book.typicalHeight = 2000;
    const double widths[] = {900, 1500 * 5 / 7.0, 1125}; // unknown shape: 5:7
    for (int i = 0; i < 3; i++) {
        double width = 0, height = 0;
        GetComicPageSize(&book, i, &width, &height);
        EXPECT_DOUBLE_EQ(1500, height);
        EXPECT_NEAR(widths[i], width, 1e-9);
    }
}

TEST(ReadEntryBytes, ServesStoredBytesInPlaceAndInflatesIntoAnOwnedBuffer)
{
    // "hello" stored, and as a Deflate stream of one stored block.
    const std::string hello = "hello", deflated = "\x01\x05\0\xfa\xff"s + hello;
    const struct {
        std::string data;
        uint32_t method;
        uint64_t unpackedSize, maxBytes;
        const char *expected; // null: the read fails
    } rows[] = {
        {hello, METHOD_STORED, 5, 0, "hello"},
        {hello, METHOD_STORED, 5, 3, "hel"},
        {hello, METHOD_STORED, 500, 0, "hello"}, // never past the stored bytes
        {deflated, METHOD_DEFLATE, 5, 0, "hello"},
        {deflated, METHOD_DEFLATE, 5, 3, "hel"},
        {deflated, METHOD_DEFLATE, 5, 65536, "hello"},
        {deflated, METHOD_DEFLATE, 80, 0, "hello"},         // an overstated size gives the real bytes
        {deflated, METHOD_DEFLATE, 0x20000000, 2, "he"},    // the largest size accepted
        {deflated, METHOD_DEFLATE, 0x20000001, 2, nullptr}, // refused before any allocation
        {deflated, METHOD_DEFLATE, 0, 0, nullptr},          // no byte can come out
        {deflated.substr(0, 7), METHOD_DEFLATE, 5, 0, nullptr},
        {hello, 12, 5, 0, nullptr},
    };
    for (const auto &r : rows) {
        std::vector<BYTE> data(r.data.begin(), r.data.end());
        ArchiveEntry entry = {};
        entry.data = data.data(), entry.packedSize = data.size();
        entry.unpackedSize = r.unpackedSize, entry.method = r.method;
        uint64_t size = 99;
        BYTE *owned = (BYTE *)1;
        const BYTE *bytes = ReadEntryBytes(&entry, r.maxBytes, &size, &owned);
        EXPECT_EQ(r.expected ? r.expected : "(fails)", bytes ? std::string((const char *)bytes, size) : "(fails)")
            << "row " << &r - rows;
        // Stored bytes come from the mapping; inflated ones from a buffer the caller frees.
        EXPECT_EQ(r.method == METHOD_STORED ? data.data() : owned, bytes) << "row " << &r - rows;
        EXPECT_EQ(r.method == METHOD_DEFLATE ? bytes : nullptr, owned) << "row " << &r - rows;
        if (owned) HeapFree(GetProcessHeap(), 0, owned);
    }
}

// Whatever the book owns is freed; the native build's leak checker sees the rest.
TEST(FreeComicBook, ReleasesEverythingTheBookOwns)
{
    FreeComicBook(nullptr);
    std::vector<BYTE> bytes = ReadFixture("comic.cbz");
    int error = -1;
    ComicBook *book = OpenComicBook(ARCHIVE_ZIP, L"C:\\comic.cbz", bytes.data(), bytes.size(), &error);
    ASSERT_NE(nullptr, book);
    book->decodedSlots[0].pixels = (BYTE *)HeapAlloc(GetProcessHeap(), 0, 64);
    book->decodedSlots[DECODED_SLOT_COUNT - 1].pixels = (BYTE *)HeapAlloc(GetProcessHeap(), 0, 64);
    book->entries[book->entryCount - 1].ownedData = (BYTE *)HeapAlloc(GetProcessHeap(), 0, 16);
    book->archivePath = DuplicateString(L"C:\\caf\xE9.cbr");
    EXPECT_EQ("C:\\caf\xc3\xa9.cbr", Utf8(book->archivePath));
    EXPECT_EQ(nullptr, DuplicateString(nullptr));
    FreeComicBook(book);
}
