// Comic book model: a CBZ or CBR archive seen as an ordered list of image
// pages.  The document layer maps the file, asks DetectArchiveKind whether it
// is an archive, and then keeps the ComicBook that OpenComicBook builds for as
// long as the mapping lives (ZIP entries point straight into it).
#ifndef FOLIVEX_ARCHIVE_COMICBOOK_H
#define FOLIVEX_ARCHIVE_COMICBOOK_H

#include <windows.h>
#include <stdint.h>

// What DetectArchiveKind finds at the start of a file.  0 sends the file to
// the PDF path.
#define ARCHIVE_NONE 0
#define ARCHIVE_ZIP  1
#define ARCHIVE_RAR  2

// Why an open failed, as the document layer reports it; each code has its
// own message.
#define OPEN_ERROR_NONE     0
#define OPEN_ERROR_GENERIC  0
#define OPEN_ERROR_NO_IMAGE 1
#define OPEN_ERROR_PASSWORD 2
#define OPEN_ERROR_NO_UNRAR 3
#define OPEN_ERROR_DAMAGED  4

// ArchiveEntry.method values.  Any other ZIP method number is kept as read;
// every read of such an entry fails.
#define METHOD_STORED  0
#define METHOD_DEFLATE 8
#define METHOD_RAR     1000

#define PROBE_PREFIX_SIZE      65536u      // bytes read to probe an image header
#define DEFAULT_TYPICAL_HEIGHT 1400        // when no entry height is known
#define DEFLATE_SIZE_CEILING   0x20000000u // largest unpackedSize a deflate read accepts
#define DECODED_SLOT_COUNT     12

// One image entry of the archive; page index = index in ComicBook.entries.
typedef struct ArchiveEntry {
    wchar_t *name;              // path inside the archive, owned
    const BYTE *data;           // ZIP: entry bytes in the mapping; solid RAR: ownedData
    uint64_t packedSize;        // bytes at data
    uint64_t unpackedSize;      // size once decompressed
    uint32_t method;            // METHOD_STORED, METHOD_DEFLATE, METHOD_RAR or as read
    BYTE *ownedData;            // solid RAR: extracted bytes, owned; else null
    const wchar_t *archivePath; // METHOD_RAR: the book's archivePath, borrowed
    int32_t headerIndex;        // METHOD_RAR: ordinal of the entry's header
    int32_t width;              // pixels, 0 = not known
    int32_t height;             // pixels, 0 = not known
    uint32_t undecodable;       // 1 once the image decoder failed on it
} ArchiveEntry;

// One decoded page kept by the image cache; pixels null = free slot.
typedef struct PageImageSlot {
    uint32_t page;
    int32_t width;
    int32_t height;
    BYTE *pixels; // width * height * 4 bytes, owned
    uint32_t stamp;
} PageImageSlot;

typedef struct ComicBook {
    int32_t entryCount;    // number of pages, at least 1 once opened
    int32_t typicalHeight; // median known pixel height, else 1400
    wchar_t *archivePath;  // non-solid RAR only, owned; else null
    ArchiveEntry *entries; // in page order, owned
    PageImageSlot decodedSlots[DECODED_SLOT_COUNT];
    uint32_t slotClock;
    uint64_t cachedBytes;
} ComicBook;

// Looks at the first bytes of a file: ARCHIVE_ZIP, ARCHIVE_RAR or 0.
int DetectArchiveKind(const BYTE *bytes, uint64_t size);

// Builds the book of a mapped archive.  *error always receives an open error;
// the result is null exactly when *error is not 0.  The mapping must outlive
// the book.
ComicBook *OpenComicBook(int kind, const wchar_t *path, const BYTE *bytes, uint64_t size, int *error);

// Page size in points for the layout: all pages share one height, the width
// follows the image's shape (5:7 when unknown).
void GetComicPageSize(const ComicBook *book, int32_t index, double *width, double *height);

// Bytes of one entry: maxBytes 0 for the whole entry, else at most that many
// from its start.  *owned receives the heap buffer the caller must free, or
// null when the result points into the mapping or the book.  Null on failure.
const BYTE *ReadEntryBytes(const ArchiveEntry *entry, uint64_t maxBytes, uint64_t *size, BYTE **owned);

// Releases a book and everything it owns; null is allowed.  Waits first for
// the decode worker if it is working on the book.
void FreeComicBook(ComicBook *book);

// Heap copy of a NUL-terminated string, or null when memory is short.
wchar_t *DuplicateString(const wchar_t *text);

// Natural page order of two entry names: digit runs compare as numbers.
int CompareNatural(const wchar_t *a, const wchar_t *b);

// Sorts entries into page order (in-place Shell sort on whole records).
void SortComicEntries(ArchiveEntry *entries, int32_t count);

// Median known height of the book's entries, DEFAULT_TYPICAL_HEIGHT if none.
int32_t ComputeTypicalHeight(const ArchiveEntry *entries, int32_t count);

// The two services of the image pipeline the comic model uses. The pipeline
// sits above the archive code, so it installs them at start-up
// (InstallComicImaging); until then an entry the header probe cannot measure
// keeps width and height 0 and is laid out with the 5:7 shape, and nothing is
// waited for. The parsers' tests and fuzzers run without them.
//
// ComicMeasureHook: learns the size of an entry by a size-only decode; sets
// width and height, or undecodable when the decoder fails.
// ComicWaitHook: blocks until the page decode worker no longer works for the
// book.
extern void (*ComicMeasureHook)(ArchiveEntry *entry);
extern void (*ComicWaitHook)(ComicBook *book);

#endif
