// ZIP central-directory reader.
//
// The archive is mapped whole and read in place: the end record (and its
// ZIP64 companions) gives the central directory, each central header gives
// an entry, and each accepted entry's local header tells where its bytes
// start.  Nothing is decompressed here.  Every field is little-endian and
// read byte by byte, and every bound below is written as a comparison of
// offsets that cannot wrap, whatever the file holds.
#include "ZipReader.h"
#include "EntryFilter.h"

#include <string.h>

#define END_RECORD_SIZE     22u
#define END_SEARCH_SPAN     65557u // 22 + the longest comment (65535)
#define CENTRAL_HEADER_SIZE 46u
#define LOCAL_HEADER_SIZE   30u
#define ZIP64_LOCATOR_SIZE  20u
#define ZIP64_RECORD_SIZE   56u
#define ZIP64_EXTRA_ID      0x0001u
#define FLAG_ENCRYPTED      0x0001u
#define FLAG_UTF8_NAME      0x0800u
#define CODE_PAGE_DOS       437u
#define CODE_PAGE_UTF8      65001u

static uint32_t Read16(const BYTE *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8);
}

static uint32_t Read32(const BYTE *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static uint64_t Read64(const BYTE *p)
{
    return (uint64_t)Read32(p) | ((uint64_t)Read32(p + 4) << 32);
}

// True when the 4 bytes at p are "PK" followed by a and b.
static bool HasSignature(const BYTE *p, BYTE a, BYTE b)
{
    return p[0] == 0x50 && p[1] == 0x4B && p[2] == a && p[3] == b;
}

// Offset of the end record nearest the end of the file, searched within the
// longest comment's reach; -1 when there is none.  size >= 22 here.
static int64_t FindEndRecord(const BYTE *bytes, uint64_t size)
{
    uint64_t lowest = size > END_SEARCH_SPAN ? size - END_SEARCH_SPAN : 0;
    for (uint64_t p = size - END_RECORD_SIZE;; p--) {
        if (HasSignature(bytes + p, 0x05, 0x06)) return (int64_t)p;
        if (p == lowest) return -1;
    }
}

// Where the central directory is, as the end record (or the ZIP64 record it
// points at) announces it.
typedef struct ZipDirectory {
    uint64_t entryCount;
    uint64_t size;
    uint64_t offset;
} ZipDirectory;

// Replaces the 32-bit directory fields by the ZIP64 record's when the end
// record is saturated and a locator right before it points at a ZIP64
// record inside the file.  Otherwise the values stay as read.
static void ReadZip64Directory(const BYTE *bytes, uint64_t size, uint64_t endRecord, ZipDirectory *directory)
{
    if (directory->entryCount != 0xFFFF && directory->size != 0xFFFFFFFFu && directory->offset != 0xFFFFFFFFu) {
        return;
    }
    if (endRecord < ZIP64_LOCATOR_SIZE) return;
    const BYTE *locator = bytes + endRecord - ZIP64_LOCATOR_SIZE;
    if (!HasSignature(locator, 0x06, 0x07)) return;
    uint64_t recordOffset = Read64(locator + 8);
    // Written as a subtraction from size, so a huge offset cannot wrap.
    if (recordOffset > size || size - recordOffset < ZIP64_RECORD_SIZE) return;
    const BYTE *record = bytes + recordOffset;
    if (!HasSignature(record, 0x06, 0x06)) return;
    directory->entryCount = Read64(record + 32);
    directory->size = Read64(record + 40);
    directory->offset = Read64(record + 48);
}

// The fields of one central header that decide whether and where an entry
// is listed.
typedef struct CentralHeader {
    uint32_t flags;
    uint32_t method;
    uint64_t packedSize;
    uint64_t unpackedSize;
    uint64_t localOffset;
    uint32_t nameLength;
    uint32_t extraLength;
    uint32_t commentLength;
} CentralHeader;

// Takes the 64-bit values of every ZIP64 extra block (id 0x0001) that fits
// inside the extra field.  Each value is present only when its central
// field is saturated, and only taken when the block still holds 8 bytes
// for it.
static void ReadZip64Extra(const BYTE *extra, uint32_t extraLength, uint32_t packed32, uint32_t unpacked32,
                           uint32_t offset32, CentralHeader *header)
{
    uint32_t position = 0;
    while (extraLength - position >= 4) {
        uint32_t id = Read16(extra + position);
        uint32_t dataSize = Read16(extra + position + 2);
        uint32_t room = extraLength - position - 4;
        if (id == ZIP64_EXTRA_ID && dataSize <= room) {
            const BYTE *data = extra + position + 4;
            uint32_t left = dataSize;
            if (unpacked32 == 0xFFFFFFFFu && left >= 8) {
                header->unpackedSize = Read64(data);
                data += 8;
                left -= 8;
            }
            if (packed32 == 0xFFFFFFFFu && left >= 8) {
                header->packedSize = Read64(data);
                data += 8;
                left -= 8;
            }
            if (offset32 == 0xFFFFFFFFu && left >= 8) {
                header->localOffset = Read64(data);
            }
        }
        if (dataSize > room) break; // the block runs past the extra field
        position += 4 + dataSize;
    }
}

// Decodes an entry name from code page 437, or UTF-8 when flag bit 11 is
// set, into a new NUL-terminated heap string; null when memory is short.
static wchar_t *DecodeEntryName(const BYTE *name, uint32_t length, uint32_t flags)
{
    UINT codePage = (flags & FLAG_UTF8_NAME) ? CODE_PAGE_UTF8 : CODE_PAGE_DOS;
    int units = 0;
    if (length > 0) {
        units = MultiByteToWideChar(codePage, 0, (LPCSTR)name, (int)length, 0, 0);
        if (units < 0) units = 0;
    }
    uint64_t bytesNeeded = ((uint64_t)units + 1) * sizeof(wchar_t);
    wchar_t *text = (wchar_t *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytesNeeded);
    if (!text) return 0;
    if (units > 0) {
        units = MultiByteToWideChar(codePage, 0, (LPCSTR)name, (int)length, text, units);
        if (units < 0) units = 0;
    }
    text[units] = 0;
    return text;
}

// Offset of the entry's first data byte, after the local header and its
// own name and extra lengths (which may differ from the central ones), or
// -1 when the local header is missing or the data would leave the file.
static int64_t FindEntryData(const BYTE *bytes, uint64_t size, const CentralHeader *header)
{
    if (size < LOCAL_HEADER_SIZE || header->localOffset > size - LOCAL_HEADER_SIZE) return -1;
    const BYTE *local = bytes + header->localOffset;
    if (!HasSignature(local, 0x03, 0x04)) return -1;
    uint64_t dataStart = header->localOffset + LOCAL_HEADER_SIZE + Read16(local + 26) + Read16(local + 28);
    if (dataStart > size || header->packedSize > size - dataStart) return -1;
    return (int64_t)dataStart;
}

int ReadZipDirectory(ComicBook *book, const BYTE *bytes, uint64_t size)
{
    if (size < END_RECORD_SIZE) return OPEN_ERROR_DAMAGED;
    int64_t endRecord = FindEndRecord(bytes, size);
    if (endRecord < 0) return OPEN_ERROR_DAMAGED;
    const BYTE *end = bytes + endRecord;
    ZipDirectory directory;
    directory.entryCount = Read16(end + 10);
    directory.size = Read32(end + 12);
    directory.offset = Read32(end + 16);
    ReadZip64Directory(bytes, size, (uint64_t)endRecord, &directory);

    if (directory.offset > size || directory.size > size - directory.offset ||
        directory.entryCount > directory.size / CENTRAL_HEADER_SIZE) {
        return OPEN_ERROR_DAMAGED;
    }
    // A page count must fit the book's 32-bit entry count.
    if (directory.entryCount > 0x7FFFFFFF) return OPEN_ERROR_DAMAGED;
    uint64_t slots = directory.entryCount > 0 ? directory.entryCount : 1;
    uint64_t arrayBytes = slots * sizeof(ArchiveEntry); // entryCount < 2^31: no wrap
    if (arrayBytes > (uint64_t)(SIZE_T)-1) return OPEN_ERROR_DAMAGED;
    book->entries = (ArchiveEntry *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, (SIZE_T)arrayBytes);
    if (!book->entries) return OPEN_ERROR_DAMAGED;
    if (directory.entryCount == 0) return OPEN_ERROR_NO_IMAGE;

    bool sawEncryptedImage = false;
    uint64_t position = directory.offset;
    uint64_t directoryEnd = directory.offset + directory.size;
    for (uint64_t i = 0; i < directory.entryCount; i++) {
        // One damaged central header makes the whole directory untrustworthy.
        if (directoryEnd - position < CENTRAL_HEADER_SIZE) return OPEN_ERROR_DAMAGED;
        const BYTE *central = bytes + position;
        if (!HasSignature(central, 0x01, 0x02)) return OPEN_ERROR_DAMAGED;
        CentralHeader header;
        header.flags = Read16(central + 8);
        header.method = Read16(central + 10);
        uint32_t packed32 = Read32(central + 20);
        uint32_t unpacked32 = Read32(central + 24);
        header.nameLength = Read16(central + 28);
        header.extraLength = Read16(central + 30);
        header.commentLength = Read16(central + 32);
        uint32_t offset32 = Read32(central + 42);
        header.packedSize = packed32;
        header.unpackedSize = unpacked32;
        header.localOffset = offset32;
        uint64_t recordSize =
            (uint64_t)CENTRAL_HEADER_SIZE + header.nameLength + header.extraLength + header.commentLength;
        if (directoryEnd - position < recordSize) return OPEN_ERROR_DAMAGED;
        const BYTE *name = central + CENTRAL_HEADER_SIZE;
        ReadZip64Extra(name + header.nameLength, header.extraLength, packed32, unpacked32, offset32, &header);
        wchar_t *text = DecodeEntryName(name, header.nameLength, header.flags);
        position += recordSize;
        if (!text) continue;

        if (!IsComicImageName(text)) {
            HeapFree(GetProcessHeap(), 0, text);
            continue;
        }
        if (header.flags & FLAG_ENCRYPTED) {
            sawEncryptedImage = true;
            HeapFree(GetProcessHeap(), 0, text);
            continue;
        }
        int64_t dataStart = FindEntryData(bytes, size, &header);
        if (dataStart < 0) {
            HeapFree(GetProcessHeap(), 0, text);
            continue;
        }
        ArchiveEntry *entry = &book->entries[book->entryCount++];
        entry->name = text;
        entry->data = bytes + dataStart;
        entry->packedSize = header.packedSize;
        entry->unpackedSize = header.unpackedSize;
        entry->method = header.method;
    }
    if (book->entryCount > 0) return OPEN_ERROR_NONE;
    return sawEncryptedImage ? OPEN_ERROR_PASSWORD : OPEN_ERROR_NO_IMAGE;
}
