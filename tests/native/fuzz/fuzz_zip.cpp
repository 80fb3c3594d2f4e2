// Fuzz target: a whole ZIP comic, from the directory walk through sorting,
// header probing and entry reads (prefix and whole).
#include <stdint.h>
#include <stdlib.h>

#include "archive/ComicBook.h"
#include "archive/ZipReader.h"

// Whole-entry reads allocate and inflate the announced size; to keep each
// input fast, only the first few entries below this size are read whole
// (every entry still gets its prefix reads).
static const uint64_t WholeReadLimit = 1u << 18;
static const int32_t WholeReadEntries = 8;

static void ReadEntry(const ArchiveEntry *entry, uint64_t maxBytes)
{
    uint64_t size = 0;
    BYTE *owned = 0;
    const BYTE *bytes = ReadEntryBytes(entry, maxBytes, &size, &owned);
    // Touch the first and the last byte reported, so that a size beyond the
    // buffer shows up under AddressSanitizer.
    volatile BYTE sink = 0;
    if (bytes && size > 0) sink = (BYTE)(bytes[0] ^ bytes[size - 1]);
    (void)sink;
    if (owned && owned != bytes) abort(); // a buffer is handed over only as the bytes themselves
    if (owned) HeapFree(GetProcessHeap(), 0, owned);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int error = -1;
    ComicBook *book = OpenComicBook(ARCHIVE_ZIP, L"fuzz.cbz", data, size, &error);
    if ((book == 0) != (error != 0)) abort();
    if (!book) return 0;
    if (book->entryCount <= 0) abort();
    for (int32_t i = 0; i < book->entryCount; i++) {
        const ArchiveEntry *entry = &book->entries[i];
        if (entry->data < data || entry->packedSize > (uint64_t)(data + size - entry->data)) abort();
        ReadEntry(entry, PROBE_PREFIX_SIZE);
        ReadEntry(entry, 7);
        if (i < WholeReadEntries && entry->unpackedSize <= WholeReadLimit) ReadEntry(entry, 0);
        double width = 0, height = 0;
        GetComicPageSize(book, i, &width, &height);
        if (!(width > 0) || !(height > 0)) abort();
    }
    FreeComicBook(book);
    return 0;
}
