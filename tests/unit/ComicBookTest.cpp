// The comic model: archive detection, the ZIP reader's normal, damaged and
// hostile directories through the opening and sizing of a book on generated
// archives, page sizes, entry reads and release.
#include "Support.h"

#include "archive/ComicBook.h"

#include <string.h>

using namespace std::string_literals;

TEST(OpenComicBook, TellsArchivesAndListsReadableImagesInPageOrderOrSaysWhyNot)
{
    const struct {
        const char *file;
        int error;
        const char *pages = ""; // in page order
        uint64_t firstSize = 0; // the first entry's unpackedSize, unless 0
        bool sized = false;     // pages as name:widthxheight
    } rows[] = {
        {"basic.zip", 0, "Page1.png page2.png page10.png"},
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
        {"names.zip", 0, "caf\xc3\xa9.png tea\xe2\x94\x9c\xe2\x8c\x90.png th\xc3\xa9.png"},
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
        // Sized from a deflated prefix; empty and unreadable entries stay
        // pages of unknown size.
        {"sizes.zip", 0, "big.png:300x400 other.png:0x0 small.png:3x4 zero-stored.png:0x0 zero.png:0x0", 0, true},
    };
    // The signature alone tells an archive.
    auto kind = [](const std::string &s) {
        return DetectArchiveKind(std::vector<BYTE>(s.begin(), s.end()).data(), s.size());
    };
    for (const std::string &s : {"PK\3\4"s, "PK\5\6"s, "PK\3\6"s, "PK\5\4"s}) EXPECT_EQ(ARCHIVE_ZIP, kind(s)) << s;
    for (const std::string &s : {"Rar!\x1a\7\0"s, "Rar!\x1a\7\1"s}) EXPECT_EQ(ARCHIVE_RAR, kind(s)) << s;
    for (const std::string &s : {"PK\3"s, "PK\1\2"s, "Rar!\x1a\7"s, "Rar!\x1a\x08\0"s, "%PDF-1.7"s, ""s})
        EXPECT_EQ(ARCHIVE_NONE, kind(s)) << s;
    for (const auto &r : rows) {
        std::vector<BYTE> bytes = ReadFixture("zip/"s + r.file);
        // By a path that names no file the listing reads the mapping; by the
        // file's own path it reads the local headers and the first bytes of
        // the images through the file. Both must give the same book.
        const char *folder = getenv("FOLIVEX_FIXTURES");
        std::string own = std::string(folder ? folder : ".") + "/zip/" + r.file;
        for (const std::string &name : {"C:\\no-such-comic.cbz"s, own}) {
            std::wstring path(name.begin(), name.end());
            int error = -1;
            ComicBook *book = OpenComicBook(ARCHIVE_ZIP, path.c_str(), bytes.data(), bytes.size(), &error);
            EXPECT_EQ(r.error, error) << name;
            EXPECT_EQ(r.firstSize, r.firstSize && book ? book->entries[0].unpackedSize : 0) << name;
            // Every entry lies inside the archive, and stored data starts with
            // its PNG signature (if any): the local header's own lengths were followed.
            std::string pages;
            for (int32_t i = 0; book && i < book->entryCount; i++) {
                const ArchiveEntry &e = book->entries[i];
                pages += (i ? " " : "") + Utf8(e.name);
                if (r.sized) pages += ":" + std::to_string(e.width) + "x" + std::to_string(e.height);
                EXPECT_TRUE(e.data >= bytes.data() && e.packedSize <= (uint64_t)(bytes.data() + bytes.size() - e.data))
                    << name;
                EXPECT_TRUE(e.method != METHOD_STORED || !e.packedSize || memcmp(e.data, "\x89PNG", 4) == 0) << name;
            }
            EXPECT_EQ(r.pages, pages) << name;
            // The book frees its cached images too (the native build's leak checker sees it).
            if (book) book->decodedSlots[DECODED_SLOT_COUNT - 1].pixels = (BYTE *)HeapAlloc(GetProcessHeap(), 0, 64);
            FreeComicBook(book);
        }
    }
}

// The upper median of the known heights, 1400 when none is known; every page
// of the book is that tall in points (3/4 of the pixels) and keeps its shape,
// 5:7 when unknown.
TEST(ComputeTypicalHeight, TakesTheUpperMedianOfKnownHeightsForEveryPage)
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
    ArchiveEntry entries[3] = {};
    entries[0].width = 600, entries[0].height = 1000, entries[2].width = 1500, entries[2].height = 2000;
    ComicBook book = {};
    book.entries = entries, book.entryCount = 3, book.typicalHeight = 2000;
    const double widths[] = {900, 1500 * 5 / 7.0, 1125};
    for (int i = 0; i < 3; i++) {
        double width = 0, height = 0;
        GetComicPageSize(&book, i, &width, &height);
        EXPECT_TRUE(height == 1500 && std::abs(widths[i] - width) < 1e-9) << i << ": " << width << "x" << height;
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
        {hello, METHOD_STORED, 5, 3, "hel"},
        {hello, METHOD_STORED, 500, 0, "hello"}, // never past the stored bytes
        {deflated, METHOD_DEFLATE, 5, 3, "hel"},
        {deflated, METHOD_DEFLATE, 80, 0, "hello"},         // an overstated size gives the real bytes
        {deflated, METHOD_DEFLATE, 0x20000000, 2, "he"},    // the largest size accepted
        {deflated, METHOD_DEFLATE, 0x20000001, 2, nullptr}, // refused before any allocation
        {deflated, METHOD_DEFLATE, 0, 0, nullptr},          // no byte can come out
        {deflated.substr(0, 7), METHOD_DEFLATE, 5, 0, nullptr},
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
