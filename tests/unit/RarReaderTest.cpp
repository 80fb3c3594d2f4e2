// The RAR reader against real archives and unrar.dll, and against a scripted
// stand-in library for the answers real archives cannot give cheaply; both
// are put in the reader's table of entry points.
#include "archive/RarReader.h"
#include "tests/unit/Support.h"

#include <sstream>

namespace
{

// Puts the reader's entry points back as they were at its creation.
struct SavedLibrary {
    RarEntryPoints saved = Unrar;
    ~SavedLibrary()
    {
        Unrar = saved;
    }
};

// The real library, counting its calls: one entry per open, holding the
// headers skipped after it.
RarEntryPoints Real;
std::vector<int> SkipsPerOpen;
RarEntryPoints Counted()
{
    EXPECT_TRUE(LoadUnrar());
    SkipsPerOpen.clear();
    RarEntryPoints counted = Real = Unrar;
    counted.RAROpenArchiveEx = [](RAROpenArchiveDataEx *data) {
        SkipsPerOpen.push_back(0);
        return Real.RAROpenArchiveEx(data);
    };
    counted.RARProcessFileW = [](HANDLE archive, int operation, wchar_t *path, wchar_t *name) {
        SkipsPerOpen.back() += operation == RAR_SKIP;
        return Real.RARProcessFileW(archive, operation, path, name);
    };
    return counted;
}

// The stand-in replays its script at every open:
//   [solid] [open N] name size outcome ... [end N]
// outcome: ok (size bytes delivered), dir (a directory), more (one byte more
// than announced), neg (a negative count), pw (asks for a password), vol
// (asks for a missing volume), err (bad data). "open N" fails the open with
// N; "end N" is the header read's answer after the last record (else the
// end of the archive). Every record's data starts with a 7 x 9 PNG header.
struct Record {
    std::string name;
    uint64_t size;
    std::string outcome;
};
std::vector<Record> Script;
int OpenResult, EndResult, Solid;
size_t Next;
UNRARCALLBACK Callback;
LPARAM UserData;
BYTE Chunk[65536] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 7, 0, 0, 0, 9};

RarEntryPoints StandIn(const std::string &script)
{
    std::istringstream words(script);
    Script.clear(), OpenResult = Solid = 0, EndResult = ERAR_END_ARCHIVE;
    for (Record r; words >> r.name;) { // names of entries have a dot
        if (r.name == "solid") Solid = 1;
        if (r.name == "open") words >> OpenResult;
        if (r.name == "end") words >> EndResult;
        if (r.name.find('.') != std::string::npos && words >> r.size >> r.outcome) Script.push_back(r);
    }
    RarEntryPoints library;
    library.RAROpenArchiveEx = [](RAROpenArchiveDataEx *data) -> HANDLE {
        Next = 0, Callback = data->Callback, UserData = data->UserData;
        data->OpenResult = OpenResult, data->Flags = Solid ? ROADF_SOLID : 0;
        return &Next;
    };
    library.RARSetCallback = [](HANDLE, UNRARCALLBACK callback, LPARAM data) { Callback = callback, UserData = data; };
    library.RARCloseArchive = [](HANDLE) { return 0; };
    library.RARReadHeaderEx = [](HANDLE, RARHeaderDataEx *header) {
        if (Next == Script.size()) return EndResult;
        const Record &r = Script[Next++];
        for (size_t i = 0; i <= r.name.size(); i++) header->FileNameW[i] = r.name.c_str()[i];
        header->UnpSize = (unsigned)r.size, header->UnpSizeHigh = (unsigned)(r.size >> 32);
        header->Flags = r.outcome == "dir" ? RHDF_DIRECTORY : 0;
        return 0;
    };
    library.RARProcessFileW = [](HANDLE, int operation, wchar_t *, wchar_t *) {
        const Record &r = Script[Next - 1];
        if (operation == RAR_SKIP) return 0;
        if (r.outcome == "pw") return Callback(UCM_NEEDPASSWORDW, UserData, 0, 0) == -1 ? ERAR_MISSING_PASSWORD : 0;
        if (r.outcome == "vol" && Callback(UCM_CHANGEVOLUMEW, UserData, (LPARAM)L"x.part2.rar", RAR_VOL_ASK) == -1)
            return 15;                     // ERAR_EOPEN
        if (r.outcome == "err") return 12; // ERAR_BAD_DATA
        if (r.outcome == "neg") return Callback(UCM_PROCESSDATA, UserData, (LPARAM)Chunk, -1) == -1 ? 21 : 0;
        for (uint64_t sent = 0, total = r.size + (r.outcome == "more"); sent < total;) {
            LPARAM count = (LPARAM)std::min(total - sent, (uint64_t)sizeof Chunk);
            if (Callback(UCM_PROCESSDATA, UserData, (LPARAM)Chunk, count) == -1) return 21; // ERAR_UNKNOWN
            sent += count;
        }
        return 0;
    };
    return library;
}

ComicBook *OpenRar(const std::string &name, int *error)
{
    std::wstring path = L"rar\\" + std::wstring(name.begin(), name.end());
    return OpenComicBook(ARCHIVE_RAR, FixturePath(path.c_str()).c_str(), nullptr, 0, error);
}

// The pages' names, with details as name@headerIndex:width.
std::string Names(const ComicBook *book, bool details = false)
{
    std::string names;
    for (int32_t i = 0; book && i < book->entryCount; i++) {
        const ArchiveEntry &e = book->entries[i];
        names += (i ? " " : "") + Utf8(e.name);
        if (details) names += "@" + std::to_string(e.headerIndex) + ":" + std::to_string(e.width);
    }
    return names;
}

// Every page reads back whole and as a prefix, byte for byte.
void ExpectPagesRead(const ComicBook *book)
{
    for (int32_t i = 0; i < book->entryCount; i++) {
        std::vector<BYTE> page = ReadFixture("rar/pages/" + Utf8(book->entries[i].name));
        for (uint64_t maxBytes : {0, 20}) {
            uint64_t size = 0;
            BYTE *owned = nullptr;
            const BYTE *bytes = ReadEntryBytes(&book->entries[i], maxBytes, &size, &owned);
            EXPECT_TRUE(size == (maxBytes ? maxBytes : page.size()) && std::equal(bytes, bytes + size, page.begin()))
                << Utf8(book->entries[i].name) << " " << maxBytes;
            if (owned) HeapFree(GetProcessHeap(), 0, owned);
        }
    }
}

// A non-solid archive is listed with a prefix of each page, and reopened
// after each stopped read. Headers: p1, extras/notes.txt, cover.tif, p2
// (exactly 65,536 bytes: read whole, no reopen), Thumbs.db, extras/, p3, p4,
// p5; the last open is the sizing read of cover.tif, which no probe can
// size. Its pages are then read on two threads while the same archive is
// opened and closed on a third.
TEST(RarReader, NonSolidListingReopensAfterEachStoppedPrefixAndReadsFromThreads)
{
    int error = -1;
    ComicBook *book;
    {
        SavedLibrary saved;
        Unrar = Counted();
        book = OpenRar("pages.cbr", &error);
        EXPECT_EQ(SkipsPerOpen, (std::vector<int>{3, 7, 8, 9, 2}));
    }
    ASSERT_EQ(error, 0);
    // Page pn.png is 29 + n pixels wide, which only its header tells.
    EXPECT_EQ(Names(book, true), "cover.tif@2:0 p1.png@0:30 p2.png@3:31 p3.png@6:32 p4.png@7:33 p5.png@8:34");
    auto readAll = [](LPVOID book) -> DWORD {
        for (int round = 0; round < 5; round++) ExpectPagesRead((ComicBook *)book);
        return 0;
    };
    HANDLE threads[] = {CreateThread(nullptr, 0, readAll, book, 0, nullptr),
                        CreateThread(nullptr, 0, readAll, book, 0, nullptr)};
    for (int round = 0; round < 5; round++) {
        ComicBook *other = OpenRar("pages.cbr", &error);
        EXPECT_EQ(Names(other), Names(book));
        FreeComicBook(other);
    }
    WaitForMultipleObjects(2, threads, TRUE, 60000);
    for (HANDLE thread : threads) CloseHandle(thread);
    FreeComicBook(book);
}

TEST(RarReader, SolidEntriesAreHeldInMemoryAndReadWithoutTheLibrary)
{
    int error = -1;
    ComicBook *book = OpenRar("solid.cbr", &error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(Names(book), "p1.png p2.png p3.png p4.png p5.png");
    SavedLibrary saved;
    Unrar = StandIn("open 22"); // any use of the library now fails
    ExpectPagesRead(book);
    FreeComicBook(book);
}

// Opens each archive, or plays each script on the stand-in, and checks the
// error, the pages listed before a failure, and that nothing allocated on
// the way is left behind.
TEST(RarReader, FailuresGiveTheirErrorAndKeepThePagesListedBefore)
{
    const struct {
        const char *source; // an archive under rar\, or a script
        int error;
        const char *names;
    } rows[] = {
        {"header-password.cbr", 2, ""},
        {"data-password.cbr", 2, ""},
        {"late-password.cbr", 0, "p1.png"},
        {"volumes.part1.rar", 0, "big.png"},
        {"missing.cbr", 4, ""},
        {"zero.png 0 ok huge.png 536870913 ok max.png 536870912 ok", 0, "max.png"},
        {"a.png 50 ok b.png 50 pw c.png 50 ok", 0, "a.png"},
        {"a.png 50 vol b.png 50 ok", 0, "b.png"},
        {"a.png 50 more b.png 50 neg c.png 50 err d.png 50 ok", 0, "d.png"},
        {"solid a.png 50 ok b.png 50 more c.png 50 ok", 0, "a.png"},
        {"solid a.png 50 neg", 1, ""},
        {"notes.txt 50 ok folder.png 50 dir", 1, ""},
        {"a.png 50 ok end 22", 0, "a.png"},
        {"end 24", 2, ""},
        {"open 22", 2, ""},
    };
    ASSERT_TRUE(LoadUnrar());
    for (const auto &r : rows) {
        std::string source = r.source;
        SavedLibrary saved;
        if (source.find(' ') != std::string::npos) Unrar = StandIn(source);
        size_t blocks = BusyHeapBlocks();
        int error = -1;
        ComicBook *book = OpenRar(source, &error);
        EXPECT_EQ(error, r.error) << source;
        EXPECT_EQ(Names(book), r.names) << source;
        FreeComicBook(book);
        EXPECT_EQ(BusyHeapBlocks(), blocks) << source;
    }
}

} // namespace
