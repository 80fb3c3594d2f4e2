// Comic book model: archive detection, the page list in natural order, page
// sizes for the layout, and the bytes of each entry.
#include "ComicBook.h"
#include "EntryFilter.h"
#include "Inflate.h"
#include "RarReader.h"
#include "ZipReader.h"
#include "ByteReader.h"

#include <string.h>

#define POINTS_PER_PIXEL 0.75
#define FALLBACK_ASPECT  0.7142857142857143 // 5:7, for pages of unknown shape

void (*ComicMeasureHook)(ArchiveEntry *entry);
void (*ComicWaitHook)(ComicBook *book);

int DetectArchiveKind(const BYTE *bytes, uint64_t size)
{
    if (!bytes) return ARCHIVE_NONE;
    // "PK" with 3 or 5 then 4 or 6: a local header, the end record of an
    // empty archive, and the two mixed forms that some writers produce.
    if (size >= 4 && bytes[0] == 0x50 && bytes[1] == 0x4B && (bytes[2] == 0x03 || bytes[2] == 0x05) &&
        (bytes[3] == 0x04 || bytes[3] == 0x06)) {
        return ARCHIVE_ZIP;
    }
    // "Rar!" 0x1A 0x07; the seventh byte tells the RAR generation, both of
    // which the library reads, so it is not looked at.
    if (size >= 7 && bytes[0] == 0x52 && bytes[1] == 0x61 && bytes[2] == 0x72 && bytes[3] == 0x21 && bytes[4] == 0x1A &&
        bytes[5] == 0x07) {
        return ARCHIVE_RAR;
    }
    return ARCHIVE_NONE;
}

wchar_t *DuplicateString(const wchar_t *text)
{
    if (!text) return 0;
    uint64_t units = (uint64_t)lstrlenW(text) + 1;
    wchar_t *copy = (wchar_t *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)(units * sizeof(wchar_t)));
    if (copy) memcpy(copy, text, (size_t)(units * sizeof(wchar_t)));
    return copy;
}

static bool IsDigitUnit(wchar_t unit)
{
    return unit >= L'0' && unit <= L'9';
}

// CompareNatural on names whose case-folded copies may be given: lowerA and
// lowerB, when not null, hold LowerUnit of every unit of a and b, so that a
// sort folds each name once instead of at every comparison.
static int CompareNaturalFolded(const wchar_t *a, const wchar_t *lowerA, const wchar_t *b, const wchar_t *lowerB)
{
    size_t i = 0, j = 0;
    while (a[i] && b[j]) {
        if (IsDigitUnit(a[i]) && IsDigitUnit(b[j])) {
            // Compare the two numbers: leading zeros do not count (a run of
            // zeros keeps its last one), then the longer run is the larger
            // number, then the first differing digit decides.
            while (a[i] == L'0' && IsDigitUnit(a[i + 1])) i++;
            while (b[j] == L'0' && IsDigitUnit(b[j + 1])) j++;
            size_t lengthA = 0, lengthB = 0;
            while (IsDigitUnit(a[i + lengthA])) lengthA++;
            while (IsDigitUnit(b[j + lengthB])) lengthB++;
            if (lengthA != lengthB) return (int)lengthA - (int)lengthB;
            for (size_t k = 0; k < lengthA; k++) {
                if (a[i + k] != b[j + k]) return (int)(uint16_t)a[i + k] - (int)(uint16_t)b[j + k];
            }
            i += lengthA;
            j += lengthB;
            continue;
        }
        uint16_t foldedA = (uint16_t)(lowerA ? lowerA[i] : LowerUnit(a[i]));
        uint16_t foldedB = (uint16_t)(lowerB ? lowerB[j] : LowerUnit(b[j]));
        i++;
        j++;
        if (foldedA != foldedB) return (int)foldedA - (int)foldedB;
    }
    // One name ended: the shorter one comes first, equal names give 0.
    return (int)(uint16_t)a[i] - (int)(uint16_t)b[j];
}

int CompareNatural(const wchar_t *a, const wchar_t *b)
{
    return CompareNaturalFolded(a, 0, b, 0);
}

// Shell sort with gaps n/2, n/4, ... 1.  Equal names are never swapped
// directly, but the result is not stable; this exact procedure fixes the
// order in which ties end.  It sorts page numbers: `order` holds indexes
// into entries, compared by name through their folded copies, if any.
static void ShellSortByName(int32_t *order, int32_t count, const ArchiveEntry *entries, wchar_t *const *folded)
{
    for (int32_t gap = count / 2; gap > 0; gap /= 2) {
        for (int32_t i = gap; i < count; i++) {
            int32_t lifted = order[i];
            int32_t j = i;
            while (j >= gap) {
                int32_t other = order[j - gap];
                if (CompareNaturalFolded(entries[other].name, folded ? folded[other] : 0, entries[lifted].name,
                                         folded ? folded[lifted] : 0) <= 0) {
                    break;
                }
                order[j] = other;
                j -= gap;
            }
            order[j] = lifted;
        }
    }
}

// The case-folded copy of every name, in one block that starts with the
// pointers; null when memory is short.
static wchar_t **FoldNames(const ArchiveEntry *entries, int32_t count)
{
    uint64_t units = 0;
    for (int32_t i = 0; i < count; i++) units += (uint64_t)lstrlenW(entries[i].name) + 1;
    uint64_t bytes = (uint64_t)count * sizeof(wchar_t *) + units * sizeof(wchar_t);
    if (bytes > (uint64_t)(SIZE_T)-1) return 0;
    wchar_t **folded = (wchar_t **)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytes);
    if (!folded) return 0;
    wchar_t *next = (wchar_t *)(folded + count);
    for (int32_t i = 0; i < count; i++) {
        folded[i] = next;
        for (const wchar_t *name = entries[i].name; *name; name++) *next++ = LowerUnit(*name);
        *next++ = 0;
    }
    return folded;
}

void SortComicEntries(ArchiveEntry *entries, int32_t count)
{
    if (count < 2) return;
    // The sort runs on page numbers, then the records move once.  Without
    // memory for that, it runs on the records themselves, folding as it
    // compares: slower, same order.
    HANDLE heap = GetProcessHeap();
    int32_t *order = (int32_t *)HeapAlloc(heap, 0, (SIZE_T)count * sizeof(int32_t));
    ArchiveEntry *sorted = (ArchiveEntry *)HeapAlloc(heap, 0, (SIZE_T)count * sizeof(ArchiveEntry));
    if (!order || !sorted) {
        if (order) HeapFree(heap, 0, order);
        if (sorted) HeapFree(heap, 0, sorted);
        for (int32_t gap = count / 2; gap > 0; gap /= 2) {
            for (int32_t i = gap; i < count; i++) {
                ArchiveEntry lifted = entries[i];
                int32_t j = i;
                while (j >= gap && CompareNatural(entries[j - gap].name, lifted.name) > 0) {
                    entries[j] = entries[j - gap];
                    j -= gap;
                }
                entries[j] = lifted;
            }
        }
        return;
    }
    wchar_t **folded = FoldNames(entries, count);
    for (int32_t i = 0; i < count; i++) order[i] = i;
    ShellSortByName(order, count, entries, folded);
    for (int32_t i = 0; i < count; i++) sorted[i] = entries[order[i]];
    memcpy(entries, sorted, (size_t)count * sizeof(ArchiveEntry));
    if (folded) HeapFree(heap, 0, folded);
    HeapFree(heap, 0, sorted);
    HeapFree(heap, 0, order);
}

int32_t ComputeTypicalHeight(const ArchiveEntry *entries, int32_t count)
{
    if (count <= 0) return DEFAULT_TYPICAL_HEIGHT;
    uint64_t bytes = (uint64_t)count * sizeof(int32_t);
    int32_t *heights = (int32_t *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytes);
    if (!heights) return DEFAULT_TYPICAL_HEIGHT;
    // Insertion into an ascending array, each value after its equals.
    int32_t known = 0;
    for (int32_t i = 0; i < count; i++) {
        int32_t h = entries[i].height;
        if (h <= 0) continue;
        int32_t j = known;
        while (j > 0 && heights[j - 1] > h) {
            heights[j] = heights[j - 1];
            j--;
        }
        heights[j] = h;
        known++;
    }
    int32_t typical = known > 0 ? heights[known / 2] : DEFAULT_TYPICAL_HEIGHT;
    HeapFree(GetProcessHeap(), 0, heights);
    return typical;
}

void GetComicPageSize(const ComicBook *book, int32_t index, double *width, double *height)
{
    double h = (double)book->typicalHeight * POINTS_PER_PIXEL;
    double aspect = FALLBACK_ASPECT;
    if (index >= 0 && index < book->entryCount) {
        const ArchiveEntry *entry = &book->entries[index];
        if (entry->width > 0 && entry->height > 0) {
            aspect = (double)entry->width / (double)entry->height;
        }
    }
    *height = h;
    *width = h * aspect;
}

const BYTE *ReadEntryBytes(const ArchiveEntry *entry, uint64_t maxBytes, uint64_t *size, BYTE **owned)
{
    *owned = 0;
    *size = 0;
    uint64_t wanted = entry->unpackedSize;
    if (maxBytes != 0 && maxBytes < wanted) wanted = maxBytes;

    if (entry->method == METHOD_STORED) {
        // Served in place: the mapping (or the book's buffer) outlives the read.
        *size = wanted < entry->packedSize ? wanted : entry->packedSize;
        return entry->data;
    }
    if (entry->method == METHOD_DEFLATE) {
        if (entry->unpackedSize > DEFLATE_SIZE_CEILING) return 0;
        uint64_t room = wanted > 0 ? wanted : 1;
        BYTE *buffer = (BYTE *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)room);
        if (!buffer) return 0;
        int64_t written = InflateEntry(entry->data, entry->packedSize, buffer, wanted);
        if (written <= 0) {
            HeapFree(GetProcessHeap(), 0, buffer);
            return 0;
        }
        *size = (uint64_t)written;
        *owned = buffer;
        return buffer;
    }
    if (entry->method == METHOD_RAR) {
        uint64_t delivered = 0;
        BYTE *buffer = ReadRarEntry(entry, maxBytes, &delivered);
        if (!buffer) return 0;
        *size = delivered;
        *owned = buffer;
        return buffer;
    }
    // Any other method is one this program cannot decompress.
    return 0;
}

// Learns the pixel size of every entry the listing left unknown: the image
// header of the first bytes first, a size-only decode otherwise.  A page
// whose size stays unknown is still a page (laid out with the 5:7 shape).
static void LearnMissingSizes(ComicBook *book)
{
    for (int32_t i = 0; i < book->entryCount; i++) {
        ArchiveEntry *entry = &book->entries[i];
        if (entry->width != 0) continue;
        uint64_t size = 0;
        BYTE *owned = 0;
        const BYTE *bytes = ReadEntryBytes(entry, PROBE_PREFIX_SIZE, &size, &owned);
        int32_t width = 0, height = 0;
        if (bytes && ProbeImageSize(bytes, size, &width, &height)) {
            entry->width = width;
            entry->height = height;
        } else {
            entry->width = 0;
            entry->height = 0;
            if (ComicMeasureHook) ComicMeasureHook(entry);
        }
        if (owned) HeapFree(GetProcessHeap(), 0, owned);
    }
}

ComicBook *OpenComicBook(int kind, const wchar_t *path, const BYTE *bytes, uint64_t size, int *error)
{
    ComicBook *book = (ComicBook *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ComicBook));
    if (!book) {
        *error = OPEN_ERROR_DAMAGED;
        return 0;
    }
    int result;
    if (kind == ARCHIVE_ZIP) {
        result = ListZipComic(book, path, bytes, size);
    } else if (kind == ARCHIVE_RAR) {
        // The listing uses the reader's shared records, which a page read
        // for the decode worker may be using at this moment.  The lock is
        // released before the sizing below, whose reads take it again.
        AcquireSRWLockExclusive(&UnrarLock);
        result = ListRarArchive(book, path);
        ReleaseSRWLockExclusive(&UnrarLock);
    } else {
        result = OPEN_ERROR_DAMAGED;
    }
    if (result == OPEN_ERROR_NONE && book->entryCount <= 0) result = OPEN_ERROR_NO_IMAGE;
    if (result != OPEN_ERROR_NONE) {
        FreeComicBook(book);
        *error = result;
        return 0;
    }
    SortComicEntries(book->entries, book->entryCount);
    LearnMissingSizes(book);
    book->typicalHeight = ComputeTypicalHeight(book->entries, book->entryCount);
    *error = OPEN_ERROR_NONE;
    return book;
}

void FreeComicBook(ComicBook *book)
{
    if (!book) return;
    // The worker may be decoding one of this book's pages right now.
    if (ComicWaitHook) ComicWaitHook(book);
    HANDLE heap = GetProcessHeap();
    for (int i = 0; i < DECODED_SLOT_COUNT; i++) {
        if (book->decodedSlots[i].pixels) HeapFree(heap, 0, book->decodedSlots[i].pixels);
    }
    if (book->entries) {
        for (int32_t i = 0; i < book->entryCount; i++) {
            if (book->entries[i].name) HeapFree(heap, 0, book->entries[i].name);
            if (book->entries[i].ownedData) HeapFree(heap, 0, book->entries[i].ownedData);
        }
        HeapFree(heap, 0, book->entries);
    }
    if (book->archivePath) HeapFree(heap, 0, book->archivePath);
    HeapFree(heap, 0, book);
}
