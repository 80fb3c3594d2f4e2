// RAR reader: lists a CBR through unrar.dll and extracts its entries into
// memory through the library's data callback.
#include "RarReader.h"
#include "EntryFilter.h"

#include <string.h>

#define UNRAR_PATH_UNITS     32768 // the longest path Windows can name
#define FIRST_ENTRY_CAPACITY 64
#define RAR_ENTRY_CEILING    0x20000000u // largest entry listed (512 MiB)

SRWLOCK UnrarLock = SRWLOCK_INIT;
RarEntryPoints Unrar;

// Shared by the listing and the reads, hence only touched under UnrarLock.
static wchar_t UnrarPath[UNRAR_PATH_UNITS];
static RAROpenArchiveDataEx RarOpenData;
static RARHeaderDataEx RarHeader;
static BYTE RarScratchBuffer[PROBE_PREFIX_SIZE];

bool LoadUnrar(void)
{
    if (Unrar.RAROpenArchiveEx) return true;
    // A path that fills the whole buffer was cut short: the folder it names
    // is not the program's, so the library counts as missing.
    DWORD length = GetModuleFileNameW(NULL, UnrarPath, UNRAR_PATH_UNITS);
    if (length == 0 || length >= UNRAR_PATH_UNITS) return false;
    DWORD nameStart = 0;
    for (DWORD i = 0; i < length; i++) {
        if (UnrarPath[i] == L'\\') nameStart = i + 1;
    }
    static const wchar_t libraryName[] = L"unrar.dll";
    if (UNRAR_PATH_UNITS - nameStart < sizeof libraryName / sizeof libraryName[0]) return false;
    lstrcpynW(UnrarPath + nameStart, libraryName, (int)(UNRAR_PATH_UNITS - nameStart));

    HMODULE library = LoadLibraryW(UnrarPath);
    if (!library) return false;
    Unrar.RARReadHeaderEx = (RarReadHeaderExProc)(void (*)(void))GetProcAddress(library, "RARReadHeaderEx");
    Unrar.RARProcessFileW = (RarProcessFileWProc)(void (*)(void))GetProcAddress(library, "RARProcessFileW");
    Unrar.RARCloseArchive = (RarCloseArchiveProc)(void (*)(void))GetProcAddress(library, "RARCloseArchive");
    Unrar.RARSetCallback = (RarSetCallbackProc)(void (*)(void))GetProcAddress(library, "RARSetCallback");
    // RAROpenArchiveEx last: it is the mark that the library is usable.
    if (Unrar.RARReadHeaderEx && Unrar.RARProcessFileW && Unrar.RARCloseArchive && Unrar.RARSetCallback) {
        Unrar.RAROpenArchiveEx = (RarOpenArchiveExProc)(void (*)(void))GetProcAddress(library, "RAROpenArchiveEx");
    }
    return Unrar.RAROpenArchiveEx != NULL;
}

HANDLE OpenRarArchive(const wchar_t *path, RarSink *sink)
{
    // The callback goes in the open record too: an archive with encrypted
    // headers asks for its password while it is being opened.
    memset(&RarOpenData, 0, sizeof RarOpenData);
    RarOpenData.ArcNameW = (wchar_t *)path;
    RarOpenData.OpenMode = RAR_OM_EXTRACT;
    RarOpenData.Callback = RarDataCallback;
    RarOpenData.UserData = (LPARAM)sink;
    HANDLE archive = Unrar.RAROpenArchiveEx(&RarOpenData);
    if (!archive) return NULL;
    if (RarOpenData.OpenResult != 0) {
        Unrar.RARCloseArchive(archive);
        return NULL;
    }
    Unrar.RARSetCallback(archive, RarDataCallback, (LPARAM)sink);
    return archive;
}

int CALLBACK RarDataCallback(UINT message, LPARAM userData, LPARAM p1, LPARAM p2)
{
    RarSink *sink = (RarSink *)userData;
    switch (message) {
    case UCM_PROCESSDATA: {
        // The count is unsigned: a negative one is a huge one, never a
        // small copy.
        uint64_t count = (uint64_t)p2;
        uint64_t room = sink->capacity - sink->written;
        if (count > room) {
            if (!sink->stopWhenFull) return -1; // more than the header announced
            count = room;
        }
        if (count) memcpy(sink->buffer + sink->written, (const void *)p1, (size_t)count);
        sink->written += count;
        if (sink->stopWhenFull && sink->written == sink->capacity) {
            sink->stoppedFull = 1;
            return -1;
        }
        return 1;
    }
    case UCM_NEEDPASSWORD:
    case UCM_NEEDPASSWORDW:
        // No password is ever supplied.
        sink->needsPassword = 1;
        return -1;
    case UCM_CHANGEVOLUME:
    case UCM_CHANGEVOLUMEW:
        // Go on when the next volume was found, refuse when it is missing.
        return p2 != RAR_VOL_ASK ? 1 : -1;
    }
    return -1;
}

static bool IsPasswordError(int code)
{
    return code == ERAR_MISSING_PASSWORD || code == ERAR_BAD_PASSWORD;
}

static int ReadNextHeader(HANDLE archive)
{
    int result = Unrar.RARReadHeaderEx(archive, &RarHeader);
    // The name is used as a C string: never trust it to end inside the record.
    RarHeader.FileNameW[sizeof RarHeader.FileNameW / sizeof RarHeader.FileNameW[0] - 1] = 0;
    return result;
}

// The end of a listing: what was listed stands, whatever stopped it.
static int FinishListing(HANDLE archive, const ComicBook *book, int error)
{
    if (archive) Unrar.RARCloseArchive(archive);
    return book->entryCount > 0 ? OPEN_ERROR_NONE : error;
}

// Room for one more entry, doubling the array when it is full.
static bool ReserveEntry(ComicBook *book, int32_t *capacity)
{
    if (book->entryCount < *capacity) return true;
    if (*capacity > INT32_MAX / 2) return false;
    int32_t grown = *capacity * 2;
    uint64_t bytes = (uint64_t)grown * sizeof(ArchiveEntry);
    void *entries = HeapReAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, book->entries, (SIZE_T)bytes);
    if (!entries) return false;
    book->entries = (ArchiveEntry *)entries;
    *capacity = grown;
    return true;
}

// After a stopped or failed extraction the handle cannot go on: open the
// archive again and pass the headers up to and including the last one.
static HANDLE ResumeAfter(HANDLE archive, const wchar_t *path, RarSink *sink, int32_t lastIndex)
{
    Unrar.RARCloseArchive(archive);
    archive = OpenRarArchive(path, sink);
    if (!archive) return NULL;
    for (int32_t i = 0; i <= lastIndex; i++) {
        if (ReadNextHeader(archive) != 0 || Unrar.RARProcessFileW(archive, RAR_SKIP, NULL, NULL) != 0) {
            Unrar.RARCloseArchive(archive);
            return NULL;
        }
    }
    return archive;
}

int ListRarArchive(ComicBook *book, const wchar_t *path)
{
    if (!LoadUnrar()) return OPEN_ERROR_NO_UNRAR;
    RarSink sink;
    memset(&sink, 0, sizeof sink);
    HANDLE archive = OpenRarArchive(path, &sink);
    if (!archive) return IsPasswordError((int)RarOpenData.OpenResult) ? OPEN_ERROR_PASSWORD : OPEN_ERROR_DAMAGED;

    // A solid archive can only be decompressed front to back, so each image
    // is kept whole now; a non-solid one is reopened for each later read.
    bool solid = (RarOpenData.Flags & ROADF_SOLID) != 0;
    if (!solid) {
        book->archivePath = DuplicateString(path);
        if (!book->archivePath) {
            Unrar.RARCloseArchive(archive);
            return OPEN_ERROR_DAMAGED;
        }
    }
    int32_t capacity = FIRST_ENTRY_CAPACITY;
    book->entries = (ArchiveEntry *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY,
                                              (SIZE_T)((uint64_t)capacity * sizeof(ArchiveEntry)));
    if (!book->entries) return FinishListing(archive, book, OPEN_ERROR_NO_IMAGE);

    for (int32_t index = 0;; index++) {
        int headerResult = ReadNextHeader(archive);
        if (headerResult != 0) {
            return FinishListing(archive, book,
                                 IsPasswordError(headerResult) ? OPEN_ERROR_PASSWORD : OPEN_ERROR_NO_IMAGE);
        }
        uint64_t size = RarHeader.UnpSize + ((uint64_t)RarHeader.UnpSizeHigh << 32);
        if ((RarHeader.Flags & RHDF_DIRECTORY) || !IsComicImageName(RarHeader.FileNameW) || size == 0 ||
            size > RAR_ENTRY_CEILING) {
            Unrar.RARProcessFileW(archive, RAR_SKIP, NULL, NULL);
            continue;
        }

        BYTE *solidBuffer = NULL;
        sink.written = 0;
        sink.stoppedFull = 0;
        sink.needsPassword = 0;
        if (solid) {
            solidBuffer = (BYTE *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)size);
            if (!solidBuffer) {
                Unrar.RARProcessFileW(archive, RAR_SKIP, NULL, NULL);
                continue;
            }
            sink.buffer = solidBuffer;
            sink.capacity = size;
            sink.stopWhenFull = 0;
        } else {
            // The first bytes are enough for the header probe.
            sink.buffer = RarScratchBuffer;
            sink.capacity = size > PROBE_PREFIX_SIZE ? PROBE_PREFIX_SIZE : size;
            sink.stopWhenFull = size > PROBE_PREFIX_SIZE;
        }

        int result = Unrar.RARProcessFileW(archive, RAR_TEST, NULL, NULL);
        if (sink.needsPassword || IsPasswordError(result)) {
            if (solidBuffer) HeapFree(GetProcessHeap(), 0, solidBuffer);
            return FinishListing(archive, book, OPEN_ERROR_PASSWORD);
        }
        bool failed = result != 0 && !sink.stoppedFull;
        if (failed && solid) {
            HeapFree(GetProcessHeap(), 0, solidBuffer);
            return FinishListing(archive, book, OPEN_ERROR_NO_IMAGE);
        }
        if (!failed) {
            // An entry without a name could not be put in page order: it is
            // dropped.
            wchar_t *name = DuplicateString(RarHeader.FileNameW);
            if (!name) {
                if (solidBuffer) HeapFree(GetProcessHeap(), 0, solidBuffer);
            } else if (!ReserveEntry(book, &capacity)) {
                HeapFree(GetProcessHeap(), 0, name);
                if (solidBuffer) HeapFree(GetProcessHeap(), 0, solidBuffer);
                return FinishListing(archive, book, OPEN_ERROR_NO_IMAGE);
            } else {
                ArchiveEntry *entry = &book->entries[book->entryCount++];
                entry->name = name;
                if (solid) {
                    entry->data = solidBuffer;
                    entry->ownedData = solidBuffer;
                    entry->packedSize = sink.written;
                    entry->unpackedSize = sink.written;
                    entry->method = METHOD_STORED;
                } else {
                    entry->packedSize = size;
                    entry->unpackedSize = size;
                    entry->method = METHOD_RAR;
                    entry->archivePath = book->archivePath;
                    entry->headerIndex = index;
                    if (!ProbeImageSize(RarScratchBuffer, sink.written, &entry->width, &entry->height)) {
                        entry->width = 0;
                        entry->height = 0;
                    }
                }
            }
            if (result == 0) continue;
        }
        // Non-solid only: the extraction was stopped at the prefix, or failed
        // and the entry is left out.
        archive = ResumeAfter(archive, path, &sink, index);
        if (!archive) return FinishListing(NULL, book, OPEN_ERROR_NO_IMAGE);
    }
}

BYTE *ReadRarEntry(const ArchiveEntry *entry, uint64_t maxBytes, uint64_t *size)
{
    RarSink sink;
    memset(&sink, 0, sizeof sink);
    *size = 0;
    if (!entry->archivePath) return NULL;
    AcquireSRWLockExclusive(&UnrarLock);
    HANDLE archive = LoadUnrar() ? OpenRarArchive(entry->archivePath, &sink) : NULL;
    if (!archive) {
        ReleaseSRWLockExclusive(&UnrarLock);
        return NULL;
    }
    // The entry is whatever header now stands at its ordinal: a file replaced
    // on disk gives its own entry there, which the callback's size checks
    // keep within the buffer.
    int headerResult = ReadNextHeader(archive);
    for (int32_t i = 0; headerResult == 0 && i < entry->headerIndex; i++) {
        Unrar.RARProcessFileW(archive, RAR_SKIP, NULL, NULL);
        headerResult = ReadNextHeader(archive);
    }
    BYTE *buffer = NULL;
    if (headerResult == 0) {
        uint64_t wanted = entry->unpackedSize;
        if (maxBytes != 0 && maxBytes < wanted) wanted = maxBytes;
        buffer = (BYTE *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)(wanted > 0 ? wanted : 1));
        if (buffer) {
            sink.buffer = buffer;
            sink.capacity = wanted;
            sink.stopWhenFull = wanted < entry->unpackedSize;
            int result = Unrar.RARProcessFileW(archive, RAR_TEST, NULL, NULL);
            if (result != 0 && !sink.stoppedFull) {
                HeapFree(GetProcessHeap(), 0, buffer);
                buffer = NULL;
            }
        }
    }
    Unrar.RARCloseArchive(archive);
    ReleaseSRWLockExclusive(&UnrarLock);
    *size = buffer ? sink.written : 0;
    return buffer;
}
