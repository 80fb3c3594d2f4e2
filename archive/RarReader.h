// RAR archives through the UnRAR library (unrar.dll), loaded at run time from
// the program's own folder.  Nothing of the RAR format is decoded here: the
// library tests each entry and its data callback copies the bytes into
// memory.  A solid archive is extracted whole while it is listed; a non-solid
// one is reopened for every later read.
#ifndef FOLIVEX_ARCHIVE_RARREADER_H
#define FOLIVEX_ARCHIVE_RARREADER_H

#include "ComicBook.h"

// The library's records and messages, laid out exactly as unrar.dll expects
// (packed, its own field names).  Only the fields this program uses are
// given meaning; the rest keep the layout.
#pragma pack(push, 1)
typedef int(CALLBACK *UNRARCALLBACK)(UINT message, LPARAM userData, LPARAM p1, LPARAM p2);

typedef struct RAROpenArchiveDataEx {
    char *ArcName;
    wchar_t *ArcNameW;
    unsigned int OpenMode;
    unsigned int OpenResult;
    char *CmtBuf;
    unsigned int CmtBufSize;
    unsigned int CmtSize;
    unsigned int CmtState;
    unsigned int Flags;
    UNRARCALLBACK Callback;
    LPARAM UserData;
    unsigned int OpFlags;
    wchar_t *CmtBufW;
    unsigned int Reserved[25];
} RAROpenArchiveDataEx;

typedef struct RARHeaderDataEx {
    char ArcName[1024];
    wchar_t ArcNameW[1024];
    char FileName[1024];
    wchar_t FileNameW[1024];
    unsigned int Flags;
    unsigned int PackSize;
    unsigned int PackSizeHigh;
    unsigned int UnpSize;
    unsigned int UnpSizeHigh;
    unsigned int HostOS;
    unsigned int FileCRC;
    unsigned int FileTime;
    unsigned int UnpVer;
    unsigned int Method;
    unsigned int FileAttr;
    char *CmtBuf;
    unsigned int CmtBufSize;
    unsigned int CmtSize;
    unsigned int CmtState;
    unsigned int DictSize;
    unsigned int HashType;
    char Hash[32];
    unsigned int RedirType;
    wchar_t *RedirName;
    unsigned int RedirNameSize;
    unsigned int DirTarget;
    unsigned int MtimeLow;
    unsigned int MtimeHigh;
    unsigned int CtimeLow;
    unsigned int CtimeHigh;
    unsigned int AtimeLow;
    unsigned int AtimeHigh;
    unsigned int Reserved[988];
} RARHeaderDataEx;
#pragma pack(pop)

#define RAR_OM_EXTRACT        1
#define RAR_SKIP              0
#define RAR_TEST              1
#define RAR_VOL_ASK           0
#define RAR_VOL_NOTIFY        1
#define ROADF_SOLID           0x0008
#define RHDF_DIRECTORY        0x20
#define ERAR_END_ARCHIVE      10
#define ERAR_MISSING_PASSWORD 22
#define ERAR_BAD_PASSWORD     24

#define UCM_CHANGEVOLUME  0
#define UCM_PROCESSDATA   1
#define UCM_NEEDPASSWORD  2
#define UCM_CHANGEVOLUMEW 3
#define UCM_NEEDPASSWORDW 4

// The five entry points of unrar.dll this program calls; all null until
// LoadUnrar has found them.
typedef HANDLE(WINAPI *RarOpenArchiveExProc)(RAROpenArchiveDataEx *data);
typedef int(WINAPI *RarCloseArchiveProc)(HANDLE archive);
typedef int(WINAPI *RarReadHeaderExProc)(HANDLE archive, RARHeaderDataEx *header);
typedef int(WINAPI *RarProcessFileWProc)(HANDLE archive, int operation, wchar_t *destPath, wchar_t *destName);
typedef void(WINAPI *RarSetCallbackProc)(HANDLE archive, UNRARCALLBACK callback, LPARAM userData);
typedef struct RarEntryPoints {
    RarOpenArchiveExProc RAROpenArchiveEx;
    RarCloseArchiveProc RARCloseArchive;
    RarReadHeaderExProc RARReadHeaderEx;
    RarProcessFileWProc RARProcessFileW;
    RarSetCallbackProc RARSetCallback;
} RarEntryPoints;

// Where the data callback puts the bytes of the entry being tested.
typedef struct RarSink {
    BYTE *buffer;
    uint64_t written;
    uint64_t capacity;
    uint32_t stopWhenFull; // 1: a prefix read, stop once capacity bytes are in
    uint32_t stoppedFull;  // the callback stopped the extraction, buffer full
    uint32_t needsPassword;
} RarSink;

// Serialises every use of the library and of the reader's shared records.
// Always taken exclusively, and never twice by one thread.
extern SRWLOCK UnrarLock;
extern RarEntryPoints Unrar;

// Loads unrar.dll from the program's folder and resolves the five entry
// points; true once they are all there.  A failure is retried next time.
bool LoadUnrar(void);

// Opens an archive for testing its entries into the sink; null on failure,
// with the library's reason left in the shared open record.
HANDLE OpenRarArchive(const wchar_t *path, RarSink *sink);

int CALLBACK RarDataCallback(UINT message, LPARAM userData, LPARAM p1, LPARAM p2);

// Lists the image entries of the archive at path into a fresh book and
// returns an open error.  The caller holds UnrarLock.
int ListRarArchive(ComicBook *book, const wchar_t *path);

// The bytes of a METHOD_RAR entry: all of them for maxBytes 0, else at most
// maxBytes from its start.  A heap buffer the caller frees, or null.  Takes
// UnrarLock itself.
BYTE *ReadRarEntry(const ArchiveEntry *entry, uint64_t maxBytes, uint64_t *size);

#endif
