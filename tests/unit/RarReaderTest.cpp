// The RAR reader against real archives and unrar.dll (RarUnit), and against
// the scripted stand-in library for the answers real archives cannot give
// cheaply (RarStandIn: the same executable, run beside the stand-in).
#include "archive/RarReader.h"
#include "tests/unit/Support.h"

#include <string>
#include <vector>

namespace
{

// Counts the library calls: opens, and the headers skipped after each open.
std::vector<int> SkipsPerOpen;
int TestCalls;
RarEntryPoints Real;

HANDLE WINAPI CountOpen(RAROpenArchiveDataEx *data)
{
    SkipsPerOpen.push_back(0);
    return Real.RAROpenArchiveEx(data);
}

int WINAPI CountProcess(HANDLE archive, int operation, wchar_t *path, wchar_t *name)
{
    if (operation == RAR_SKIP) SkipsPerOpen.back()++;
    if (operation == RAR_TEST) TestCalls++;
    return Real.RARProcessFileW(archive, operation, path, name);
}

struct CountedCalls {
    CountedCalls()
    {
        EXPECT_TRUE(LoadUnrar());
        Real = Unrar;
        Unrar.RAROpenArchiveEx = CountOpen;
        Unrar.RARProcessFileW = CountProcess;
        SkipsPerOpen.clear();
        TestCalls = 0;
    }
    ~CountedCalls()
    {
        Unrar = Real;
    }
};

ComicBook *OpenRar(const std::wstring &path, int *error)
{
    return OpenComicBook(ARCHIVE_RAR, path.c_str(), nullptr, 0, error);
}

std::string Names(const ComicBook *book)
{
    std::string names;
    for (int32_t i = 0; book && i < book->entryCount; i++) names += (i ? " " : "") + Utf8(book->entries[i].name);
    return names;
}

std::vector<BYTE> Bytes(const ArchiveEntry *entry, uint64_t maxBytes)
{
    uint64_t size = 0;
    BYTE *owned = nullptr;
    const BYTE *bytes = ReadEntryBytes(entry, maxBytes, &size, &owned);
    std::vector<BYTE> copy(bytes, bytes ? bytes + size : bytes);
    if (owned) HeapFree(GetProcessHeap(), 0, owned);
    return copy;
}

// Every page reads back whole and as a prefix, byte for byte.
void ExpectPagesRead(const ComicBook *book)
{
    for (int32_t i = 0; i < book->entryCount; i++) {
        std::vector<BYTE> page = ReadFixture("rar/pages/" + Utf8(book->entries[i].name));
        EXPECT_EQ(Bytes(&book->entries[i], 0), page) << Utf8(book->entries[i].name);
        EXPECT_EQ(Bytes(&book->entries[i], 20), std::vector<BYTE>(page.begin(), page.begin() + 20));
    }
}

TEST(RarReader, NonSolidListingProbesPrefixesAndReopensAfterEachStoppedOne)
{
    struct Case {
        const wchar_t *file;
        const char *names;
        std::vector<int> skipsPerOpen;
        std::vector<int> headerIndexes;
    } cases[] = {
        {L"rar\\large3.cbr", "p3.png p4.png p5.png", {0, 1, 2, 3}, {0, 1, 2}},
        // Headers: p1, extras/notes.txt, cover.tif, p2 (exactly 65,536 bytes:
        // read whole, no reopen), Thumbs.db, extras/, p3, p4, p5. The last
        // open is the sizing read of cover.tif, which no probe can size.
        {L"rar\\pages.cbr", "cover.tif p1.png p2.png p3.png p4.png p5.png", {3, 7, 8, 9, 2}, {2, 0, 3, 6, 7, 8}},
    };
    for (const Case &c : cases) {
        int error = -1;
        ComicBook *book;
        {
            CountedCalls counted;
            book = OpenRar(FixturePath(c.file), &error);
            EXPECT_EQ(SkipsPerOpen, c.skipsPerOpen) << Utf8(c.file);
        }
        ASSERT_EQ(error, 0);
        EXPECT_EQ(Names(book), c.names);
        for (int32_t i = 0; i < book->entryCount; i++) {
            const ArchiveEntry &entry = book->entries[i];
            EXPECT_EQ(entry.method, (uint32_t)METHOD_RAR);
            EXPECT_EQ(entry.headerIndex, c.headerIndexes[i]);
            // Page pn.png is 29 + n pixels wide, which only its header tells.
            std::string name = Utf8(entry.name);
            EXPECT_EQ(entry.width, name[0] == 'p' ? 29 + name[1] - '0' : 0) << name;
        }
        ExpectPagesRead(book);
        FreeComicBook(book);
    }
}

TEST(RarReader, SolidEntriesAreHeldInMemoryAndReadWithoutTheLibrary)
{
    int error = -1;
    ComicBook *book = OpenRar(FixturePath(L"rar\\solid.cbr"), &error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(Names(book), "p1.png p2.png p3.png p4.png p5.png");
    EXPECT_EQ(book->archivePath, nullptr);
    CountedCalls counted;
    ExpectPagesRead(book);
    EXPECT_TRUE(SkipsPerOpen.empty());
    EXPECT_EQ(TestCalls, 0);
    FreeComicBook(book);
}

// Pages of one book read on two threads while another book is opened and
// closed on a third: every read still delivers the right bytes.
TEST(RarReader, ConcurrentReadsAndOpensShareTheLibrary)
{
    int error = -1;
    ComicBook *book = OpenRar(FixturePath(L"rar\\large3.cbr"), &error);
    ASSERT_EQ(error, 0);
    auto readAll = [](LPVOID book) -> DWORD {
        for (int round = 0; round < 5; round++) ExpectPagesRead((ComicBook *)book);
        return 0;
    };
    HANDLE threads[] = {CreateThread(nullptr, 0, readAll, book, 0, nullptr),
                        CreateThread(nullptr, 0, readAll, book, 0, nullptr)};
    for (int round = 0; round < 5; round++) {
        ComicBook *other = OpenRar(FixturePath(L"rar\\pages.cbr"), &error);
        EXPECT_EQ(Names(other), "cover.tif p1.png p2.png p3.png p4.png p5.png");
        FreeComicBook(other);
    }
    WaitForMultipleObjects(2, threads, TRUE, 60000);
    for (HANDLE thread : threads) CloseHandle(thread);
    FreeComicBook(book);
}

struct Outcome {
    const char *source; // fixture under rar\, or a script for the stand-in
    int error;
    const char *names;
};

// Opens each case and checks the error, the pages kept, and that nothing
// allocated on the way is left behind.
void ExpectOutcomes(const std::vector<Outcome> &cases, void (*play)(const char *))
{
    ASSERT_TRUE(LoadUnrar());
    for (const Outcome &c : cases) {
        std::string source = c.source;
        if (play) play(c.source);
        size_t blocks = BusyHeapBlocks();
        int error = -1;
        ComicBook *book =
            OpenRar(play ? L"any.cbr" : FixturePath(std::wstring(source.begin(), source.end()).c_str()), &error);
        EXPECT_EQ(error, c.error) << source;
        EXPECT_EQ(Names(book), c.names) << source;
        FreeComicBook(book);
        EXPECT_EQ(BusyHeapBlocks(), blocks) << source;
    }
}

TEST(RarReader, FailuresGiveTheirErrorAndKeepThePagesListedBefore)
{
    ExpectOutcomes(
        {
            {"rar\\header-password.cbr", 2, ""},
            {"rar\\data-password.cbr", 2, ""},
            {"rar\\late-password.cbr", 0, "p1.png"},
            {"rar\\volumes.part1.rar", 0, "big.png"},
            {"rar\\missing.cbr", 4, ""},
        },
        nullptr);
}

TEST(StandIn, LibraryAnswersGiveTheirErrorAndKeepThePagesListedBefore)
{
    ASSERT_TRUE(LoadUnrar());
    auto play = (void (*)(const char *))(void (*)(void))GetProcAddress(GetModuleHandleW(L"unrar.dll"), "StandInPlay");
    ASSERT_NE(play, nullptr) << "not run beside the stand-in";
    ExpectOutcomes(
        {
            {"zero.png 0 ok;huge.png 536870913 ok;max.png 536870912 ok", 0, "max.png"},
            {"a.png 50 pw;b.png 50 ok", 2, ""},
            {"a.png 50 ok;b.png 50 pw;c.png 50 ok", 0, "a.png"},
            {"a.png 50 vol;b.png 50 ok", 0, "b.png"},
            {"a.png 50 more;b.png 50 neg;c.png 50 err;d.png 50 ok", 0, "d.png"},
            {"solid;a.png 50 ok;b.png 50 more;c.png 50 ok", 0, "a.png"},
            {"solid;a.png 50 neg", 1, ""},
            {"notes.txt 50 ok;folder.png 0 dir", 1, ""},
            {"a.png 50 ok;end 22", 0, "a.png"},
            {"end 24", 2, ""},
            {"open 22", 2, ""},
            {"open 13", 4, ""},
        },
        play);
}

} // namespace
