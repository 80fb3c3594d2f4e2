// Opening a large comic: how much longer Folivex.exe takes from its launch
// to the title of page 1 with a 2,000-page CBZ than with a one-page CBZ,
// and where that time goes inside the open (listing, names, natural sort,
// header probe, page sizes, layout, thumbnail column, title).
//
//   OpenBench FOLIVEX_EXE BIG_CBZ ONE_CBZ [RUNS]
//
// The breakdown runs the program's own functions in this process, each
// step on a fresh mapping of the file as an open makes one, RUNS times
// (and, for comparison, the listing and probe through the mapping alone);
// the end-to-end part starts the program RUNS times on each comic in turn.
// Medians and minima: the minimum is what the step costs when nothing else
// competes for the processor.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "../Launch.h"
#include "archive/ComicBook.h"
#include "archive/EntryFilter.h"
#include "archive/ZipReader.h"
#include "thumbs/Thumbs.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/Strip.h"
#include "view/Title.h"

namespace
{

// The view of the program's first window at 96 DPI, thumbnail panel shown.
const int kViewWidth = 744;
const int kViewHeight = 940;

struct Mapping {
    HANDLE mapping;
    const BYTE *bytes;
    uint64_t size;
};

bool MapFile(const wchar_t *path, Mapping *m)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    m->size = (uint64_t)size.QuadPart;
    m->mapping = CreateFileMappingW(file, NULL, PAGE_READONLY, 0, 0, NULL);
    CloseHandle(file);
    m->bytes = m->mapping ? (const BYTE *)MapViewOfFile(m->mapping, FILE_MAP_READ, 0, 0, 0) : NULL;
    return m->bytes != NULL;
}

void Unmap(Mapping *m)
{
    UnmapViewOfFile(m->bytes);
    CloseHandle(m->mapping);
}

// The names of the central directory converted as the reader converts
// them, into one reused buffer: what the conversion alone costs.
void ConvertAllNames(const Mapping &m)
{
    const BYTE *end = m.bytes + m.size - 22;
    while (end > m.bytes && !(end[0] == 'P' && end[1] == 'K' && end[2] == 5 && end[3] == 6)) end--;
    uint32_t count = end[10] | end[11] << 8;
    const BYTE *p = m.bytes + (end[16] | end[17] << 8 | end[18] << 16 | (uint32_t)end[19] << 24);
    wchar_t name[1024];
    for (uint32_t i = 0; i < count; i++) {
        int nameLength = p[28] | p[29] << 8;
        UINT codePage = (p[9] & 0x08) ? CP_UTF8 : 437;
        int units = MultiByteToWideChar(codePage, 0, (const char *)p + 46, nameLength, NULL, 0);
        if (units > 0 && units < 1024) MultiByteToWideChar(codePage, 0, (const char *)p + 46, nameLength, name, units);
        p += 46 + nameLength + (p[30] | p[31] << 8) + (p[32] | p[33] << 8);
    }
}

// What the open does after sorting for every entry still without a size.
void ProbeMissingSizes(ComicBook *book)
{
    for (int32_t i = 0; i < book->entryCount; i++) {
        ArchiveEntry *entry = &book->entries[i];
        if (entry->width != 0) continue;
        uint64_t size = 0;
        BYTE *owned = NULL;
        const BYTE *bytes = ReadEntryBytes(entry, PROBE_PREFIX_SIZE, &size, &owned);
        if (!bytes || !ProbeImageSize(bytes, size, &entry->width, &entry->height)) entry->width = entry->height = 0;
        if (owned) HeapFree(GetProcessHeap(), 0, owned);
    }
}

struct Step {
    const char *name;
    std::vector<double> ms;
};

enum {
    MAP,
    LISTING,
    NAMES,
    FILTER,
    SORT,
    PROBE,
    TYPICAL,
    WHOLE_BOOK,
    MAPPED,
    PAGE_SIZES,
    LAYOUT,
    THUMBS,
    TITLE,
    STEP_COUNT
};

Step Steps[STEP_COUNT] = {
    {"map the file", {}},
    {"listing: directory, headers, sizes", {}},
    {"  of which name conversion", {}},
    {"  of which name filter", {}},
    {"natural sort", {}},
    {"header probe", {}},
    {"typical height", {}},
    {"OpenComicBook as a whole", {}},
    {"listing and probe from the mapping", {}},
    {"page sizes in points", {}},
    {"layout", {}},
    {"thumbnail column", {}},
    {"title", {}},
};

double Ms(LARGE_INTEGER from)
{
    return Seconds(from, Now()) * 1000;
}

// One open, step by step, with the program's functions. The page count.
int MeasureSteps(const wchar_t *path)
{
    Mapping m;
    LARGE_INTEGER t = Now();
    if (!MapFile(path, &m)) return 0;
    Steps[MAP].ms.push_back(Ms(t));

    ComicBook *book = (ComicBook *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ComicBook));
    t = Now();
    int error = ListZipComic(book, path, m.bytes, m.size);
    Steps[LISTING].ms.push_back(Ms(t));
    if (error) return 0;
    t = Now();
    ConvertAllNames(m);
    Steps[NAMES].ms.push_back(Ms(t));
    t = Now();
    for (int32_t i = 0; i < book->entryCount; i++) IsComicImageName(book->entries[i].name);
    Steps[FILTER].ms.push_back(Ms(t));
    t = Now();
    SortComicEntries(book->entries, book->entryCount);
    Steps[SORT].ms.push_back(Ms(t));
    t = Now();
    ProbeMissingSizes(book);
    Steps[PROBE].ms.push_back(Ms(t));
    t = Now();
    book->typicalHeight = ComputeTypicalHeight(book->entries, book->entryCount);
    Steps[TYPICAL].ms.push_back(Ms(t));
    FreeComicBook(book);
    Unmap(&m);

    // The listing and the probe as they were before the listing read the
    // local headers through the file: every page touches the mapping.
    MapFile(path, &m);
    book = (ComicBook *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ComicBook));
    t = Now();
    ReadZipDirectory(book, m.bytes, m.size);
    ProbeMissingSizes(book);
    Steps[MAPPED].ms.push_back(Ms(t));
    FreeComicBook(book);
    Unmap(&m);

    MapFile(path, &m);
    t = Now();
    book = OpenComicBook(ARCHIVE_ZIP, path, m.bytes, m.size, &error);
    Steps[WHOLE_BOOK].ms.push_back(Ms(t));
    if (!book) return 0;

    int count = book->entryCount;
    std::vector<BYTE> block((size_t)count * 24 + 1);
    Document.comic = book;
    Document.pageCount = count;
    Document.pageWidths = (double *)block.data();
    Document.pageHeights = Document.pageWidths + count;
    Document.pageY = (int *)(Document.pageHeights + count);
    Document.pageX = Document.pageY + count;
    Document.fileName = Document.path;
    lstrcpynW(Document.path, FileName(path).c_str(), 260);
    t = Now();
    for (int i = 0; i < count; i++) GetComicPageSize(book, i, &Document.pageWidths[i], &Document.pageHeights[i]);
    Steps[PAGE_SIZES].ms.push_back(Ms(t));

    ViewState.viewWidth = kViewWidth;
    ViewState.viewHeight = kViewHeight;
    ViewState.layoutWidth = ViewState.layoutHeight = ViewState.scrollX = ViewState.scrollY = 0;
    ViewState.fitWidth = 1;
    t = Now();
    ResetThumbs(NULL, book, count, Document.pageWidths, Document.pageHeights);
    Steps[THUMBS].ms.push_back(Ms(t));
    t = Now();
    ComputeLayout(&Document, &ViewState, 0, 0);
    Steps[LAYOUT].ms.push_back(Ms(t));
    wchar_t title[512];
    t = Now();
    FormatTitle(title, CurrentPage(&Document, &ViewState));
    Steps[TITLE].ms.push_back(Ms(t));

    ResetThumbs(NULL, NULL, 0, NULL, NULL);
    Document.comic = NULL;
    Document.pageCount = 0;
    FreeComicBook(book);
    Unmap(&m);
    return count;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: OpenBench FOLIVEX_EXE BIG_CBZ ONE_CBZ [RUNS]\n");
        return 2;
    }
    std::wstring folivex = argv[1], big = argv[2], one = argv[3];
    int runs = argc > 4 ? _wtoi(argv[4]) : 9;

    int pages = 0;
    for (int i = 0; i < runs; i++) pages = MeasureSteps(big.c_str());
    if (pages < 1) {
        fprintf(stderr, "cannot open %ls\n", big.c_str());
        return 1;
    }
    printf("%ls: %d pages; each step %d times, median / minimum in ms\n", FileName(big).c_str(), pages, runs);
    double sum = 0;
    for (int i = 0; i < STEP_COUNT; i++) {
        printf("  %-36s %8.2f / %8.2f\n", Steps[i].name, Median(Steps[i].ms), Smallest(Steps[i].ms));
        if (i != NAMES && i != FILTER && i != WHOLE_BOOK && i != MAPPED) sum += Median(Steps[i].ms);
    }
    printf("  %-36s %8.2f\n", "sum of the steps (medians)", sum);

    LaunchTarget targets[2] = {
        {folivex, one, L"Folivex", NULL, FileName(one) + L" - 1/1 - Folivex", false},
        {folivex, big, L"Folivex", NULL, FileName(big) + L" - 1/" + std::to_wstring(pages) + L" - Folivex", false},
    };
    // A first run of each warms the file cache.
    MeasureStart(targets[0]);
    MeasureStart(targets[1]);
    std::vector<double> times[2], differences;
    for (int i = 0; i < runs; i++) {
        double a = MeasureStart(targets[0]) * 1000, b = MeasureStart(targets[1]) * 1000;
        if (a < 0 || b < 0) {
            fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        times[0].push_back(a);
        times[1].push_back(b);
        differences.push_back(b - a);
    }
    printf("Folivex.exe from launch to the title of page 1, %d runs each, median / minimum in ms:\n", runs);
    printf("  %-36s %8.1f / %8.1f\n", "one page", Median(times[0]), Smallest(times[0]));
    printf("  %-36s %8.1f / %8.1f\n", "big comic", Median(times[1]), Smallest(times[1]));
    printf("  %-36s %8.1f (difference of the minima %.1f; target under 100)\n", "difference, median of the pairs",
           Median(differences), Smallest(times[1]) - Smallest(times[0]));
    fflush(stdout);
    return 0;
}
