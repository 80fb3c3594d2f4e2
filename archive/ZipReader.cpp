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
#include "ByteReader.h"

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
#define HEADER_WINDOW_SIZE  16384u // a local header and the start of a typical image

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
    uint64_t recordOffset = ReadLittleEndian64(locator + 8);
    // Written as a subtraction from size, so a huge offset cannot wrap.
    if (recordOffset > size || size - recordOffset < ZIP64_RECORD_SIZE) return;
    const BYTE *record = bytes + recordOffset;
    if (!HasSignature(record, 0x06, 0x06)) return;
    directory->entryCount = ReadLittleEndian64(record + 32);
    directory->size = ReadLittleEndian64(record + 40);
    directory->offset = ReadLittleEndian64(record + 48);
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
        uint32_t id = ReadLittleEndian16(extra + position);
        uint32_t dataSize = ReadLittleEndian16(extra + position + 2);
        uint32_t room = extraLength - position - 4;
        if (id == ZIP64_EXTRA_ID && dataSize <= room) {
            const BYTE *data = extra + position + 4;
            uint32_t left = dataSize;
            if (unpacked32 == 0xFFFFFFFFu && left >= 8) {
                header->unpackedSize = ReadLittleEndian64(data);
                data += 8;
                left -= 8;
            }
            if (packed32 == 0xFFFFFFFFu && left >= 8) {
                header->packedSize = ReadLittleEndian64(data);
                data += 8;
                left -= 8;
            }
            if (offset32 == 0xFFFFFFFFu && left >= 8) {
                header->localOffset = ReadLittleEndian64(data);
            }
        }
        if (dataSize > room) break; // the block runs past the extra field
        position += 4 + dataSize;
    }
}

// Reads the central header at `central`, with `room` bytes left in the
// directory, ZIP64 values included. Returns the header's whole size (fixed
// part, name, extra field and comment), or 0 when it is not a central header
// or does not fit in the room.
static uint64_t ReadCentralHeader(const BYTE *central, uint64_t room, CentralHeader *header)
{
    if (room < CENTRAL_HEADER_SIZE || !HasSignature(central, 0x01, 0x02)) return 0;
    header->flags = ReadLittleEndian16(central + 8);
    header->method = ReadLittleEndian16(central + 10);
    uint32_t packed32 = ReadLittleEndian32(central + 20);
    uint32_t unpacked32 = ReadLittleEndian32(central + 24);
    header->nameLength = ReadLittleEndian16(central + 28);
    header->extraLength = ReadLittleEndian16(central + 30);
    header->commentLength = ReadLittleEndian16(central + 32);
    uint32_t offset32 = ReadLittleEndian32(central + 42);
    header->packedSize = packed32;
    header->unpackedSize = unpacked32;
    header->localOffset = offset32;
    uint64_t recordSize =
        (uint64_t)CENTRAL_HEADER_SIZE + header->nameLength + header->extraLength + header->commentLength;
    if (room < recordSize) return 0;
    const BYTE *extra = central + CENTRAL_HEADER_SIZE + header->nameLength;
    ReadZip64Extra(extra, header->extraLength, packed32, unpacked32, offset32, header);
    return recordSize;
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

// A window of the archive read through a file handle of its own. Every
// first touch of a page of the mapping costs a page fault, and under Wine
// a fault costs several times a seek and a read; a comic has a local
// header on a page of its own for every page, followed by the image's
// first bytes, which tell its size. One read brings both.
typedef struct HeaderWindow {
    HANDLE file;
    uint64_t offset; // file offset of bytes[0]
    uint64_t length; // bytes held
    BYTE bytes[HEADER_WINDOW_SIZE];
} HeaderWindow;

// The archive's own file, opened again by path, if it still has the size
// of the mapping; null when there is no path or the file cannot be read,
// and the mapping is then read directly.
static HeaderWindow *OpenHeaderWindow(const wchar_t *path, uint64_t size)
{
    if (!path) return 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER fileSize;
    HeaderWindow *window = 0;
    if (GetFileSizeEx(file, &fileSize) && (uint64_t)fileSize.QuadPart == size) {
        window = (HeaderWindow *)HeapAlloc(GetProcessHeap(), 0, sizeof(HeaderWindow));
    }
    if (!window) {
        CloseHandle(file);
        return 0;
    }
    window->file = file;
    window->offset = 0;
    window->length = 0;
    return window;
}

static void CloseHeaderWindow(HeaderWindow *window)
{
    if (!window) return;
    CloseHandle(window->file);
    HeapFree(GetProcessHeap(), 0, window);
}

// The bytes of the file from offset on, as many as the window holds after
// reading it there (*held of them); null when the read fails.
static const BYTE *WindowAt(HeaderWindow *window, uint64_t offset, uint64_t *held)
{
    *held = 0;
    if (offset < window->offset || offset - window->offset >= window->length) {
        LARGE_INTEGER position;
        position.QuadPart = (LONGLONG)offset;
        DWORD got = 0;
        window->length = 0;
        if (!SetFilePointerEx(window->file, position, NULL, FILE_BEGIN) ||
            !ReadFile(window->file, window->bytes, HEADER_WINDOW_SIZE, &got, NULL)) {
            return 0;
        }
        window->offset = offset;
        window->length = got;
    }
    *held = window->length - (offset - window->offset);
    return window->bytes + (offset - window->offset);
}

// Where an entry's data starts, and the first of its bytes when the window
// already holds them.
typedef struct EntryStart {
    uint64_t offset;    // of the first data byte in the file
    const BYTE *prefix; // a copy of the first bytes, or null
    uint64_t prefixLength;
} EntryStart;

// Finds the entry's first data byte, after the local header and its own
// name and extra lengths (which may differ from the central ones). False
// when the local header is missing or the data would leave the file.
static bool FindEntryData(const BYTE *bytes, uint64_t size, const CentralHeader *header, HeaderWindow *window,
                          EntryStart *start)
{
    start->prefix = 0;
    start->prefixLength = 0;
    if (size < LOCAL_HEADER_SIZE || header->localOffset > size - LOCAL_HEADER_SIZE) return false;
    const BYTE *local = bytes + header->localOffset;
    uint64_t held = 0;
    const BYTE *read = window ? WindowAt(window, header->localOffset, &held) : 0;
    if (read && held >= LOCAL_HEADER_SIZE) local = read;
    if (!HasSignature(local, 0x03, 0x04)) return false;
    uint64_t headerLength = LOCAL_HEADER_SIZE + ReadLittleEndian16(local + 26) + ReadLittleEndian16(local + 28);
    uint64_t dataStart = header->localOffset + headerLength;
    if (dataStart > size || header->packedSize > size - dataStart) return false;
    start->offset = dataStart;
    if (local == read && held > headerLength) {
        start->prefix = read + headerLength;
        start->prefixLength = held - headerLength;
    }
    return true;
}

// Sizes a stored image from the bytes the window already holds, exactly as
// the open would from the mapping: the probe reads a prefix only, so when
// it succeeds on these bytes it gives what it gives on more of them. A
// probe that needs more leaves the size unknown, for the open to learn.
static void ProbeFromWindow(ArchiveEntry *entry, const EntryStart *start)
{
    if (!start->prefix || entry->method != METHOD_STORED) return;
    uint64_t length = start->prefixLength;
    if (length > entry->packedSize) length = entry->packedSize;
    if (length > entry->unpackedSize) length = entry->unpackedSize;
    if (length > PROBE_PREFIX_SIZE) length = PROBE_PREFIX_SIZE;
    if (!ProbeImageSize(start->prefix, length, &entry->width, &entry->height)) {
        entry->width = 0;
        entry->height = 0;
    }
}

// Finds the central directory through the end record (and its ZIP64
// companions) and checks that it lies inside the file and can hold the
// entries it announces. False for anything else.
static bool LocateDirectory(const BYTE *bytes, uint64_t size, ZipDirectory *directory)
{
    if (size < END_RECORD_SIZE) return false;
    int64_t endRecord = FindEndRecord(bytes, size);
    if (endRecord < 0) return false;
    const BYTE *end = bytes + endRecord;
    directory->entryCount = ReadLittleEndian16(end + 10);
    directory->size = ReadLittleEndian32(end + 12);
    directory->offset = ReadLittleEndian32(end + 16);
    ReadZip64Directory(bytes, size, (uint64_t)endRecord, directory);
    // A page count must also fit the book's 32-bit entry count.
    return directory->offset <= size && directory->size <= size - directory->offset &&
           directory->entryCount <= directory->size / CENTRAL_HEADER_SIZE && directory->entryCount <= 0x7FFFFFFF;
}

// The listing itself; with a window, stored images are also sized.
static int ListEntries(ComicBook *book, const BYTE *bytes, uint64_t size, HeaderWindow *window)
{
    ZipDirectory directory;
    if (!LocateDirectory(bytes, size, &directory)) return OPEN_ERROR_DAMAGED;
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
        const BYTE *central = bytes + position;
        CentralHeader header;
        uint64_t recordSize = ReadCentralHeader(central, directoryEnd - position, &header);
        if (!recordSize) return OPEN_ERROR_DAMAGED;
        position += recordSize;
        wchar_t *text = DecodeEntryName(central + CENTRAL_HEADER_SIZE, header.nameLength, header.flags);
        if (!text) continue;
        EntryStart start;
        bool found = false;
        if (IsComicImageName(text)) {
            if (header.flags & FLAG_ENCRYPTED) {
                sawEncryptedImage = true;
            } else {
                found = FindEntryData(bytes, size, &header, window, &start);
            }
        }
        if (!found) {
            HeapFree(GetProcessHeap(), 0, text);
            continue;
        }
        ArchiveEntry *entry = &book->entries[book->entryCount++];
        entry->name = text;
        entry->data = bytes + start.offset;
        entry->packedSize = header.packedSize;
        entry->unpackedSize = header.unpackedSize;
        entry->method = header.method;
        ProbeFromWindow(entry, &start);
    }
    if (book->entryCount > 0) return OPEN_ERROR_NONE;
    return sawEncryptedImage ? OPEN_ERROR_PASSWORD : OPEN_ERROR_NO_IMAGE;
}

int ReadZipDirectory(ComicBook *book, const BYTE *bytes, uint64_t size)
{
    return ListEntries(book, bytes, size, 0);
}

int ListZipComic(ComicBook *book, const wchar_t *path, const BYTE *bytes, uint64_t size)
{
    HeaderWindow *window = OpenHeaderWindow(path, size);
    int result = ListEntries(book, bytes, size, window);
    CloseHeaderWindow(window);
    return result;
}
