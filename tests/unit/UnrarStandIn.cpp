// A scripted stand-in for unrar.dll, with the same five entry points, for
// the library's answers that real archives cannot give cheaply. A test hands
// it a script with StandInPlay; every open replays it from the start:
//   "[solid;][open N;]name size outcome;...[;end N]"
// outcome: ok (size bytes delivered), dir (a directory), more (one byte more than announced),
// neg (a negative count), pw (asks for a password), vol (asks for a missing
// volume), err (bad data). "open N" fails the open with N; "end N" is the
// header read's answer after the last record (default: end of archive).
#include "archive/RarReader.h"

#include <stdio.h>
#include <string.h>

struct Record {
    char name[64];
    unsigned long long size;
    char outcome[8];
};
static Record Records[16];
static int RecordCount, OpenResult, EndResult, Solid, Next;
static UNRARCALLBACK Callback;
static LPARAM UserData;
static BYTE Chunk[65536] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13,
                            'I',  'H', 'D', 'R', 0,  0,  0,  7,  0, 0, 0, 9};

extern "C" __declspec(dllexport) void StandInPlay(const char *script)
{
    RecordCount = OpenResult = Solid = 0;
    EndResult = ERAR_END_ARCHIVE;
    for (const char *p = script; *p;) {
        Record *r = &Records[RecordCount];
        if (!strncmp(p, "solid", 5)) {
            Solid = 1;
        } else if (sscanf(p, "open %d", &OpenResult) != 1 && sscanf(p, "end %d", &EndResult) != 1 &&
                   sscanf(p, "%63s %llu %7[a-z]", r->name, &r->size, r->outcome) == 3) {
            RecordCount++;
        }
        p += strcspn(p, ";");
        if (*p) p++;
    }
}

extern "C" __declspec(dllexport) HANDLE WINAPI RAROpenArchiveEx(RAROpenArchiveDataEx *data)
{
    Next = 0;
    Callback = data->Callback;
    UserData = data->UserData;
    data->OpenResult = OpenResult;
    data->Flags = Solid ? ROADF_SOLID : 0;
    return (HANDLE)&Next;
}

extern "C" __declspec(dllexport) void WINAPI RARSetCallback(HANDLE, UNRARCALLBACK callback, LPARAM userData)
{
    Callback = callback;
    UserData = userData;
}

extern "C" __declspec(dllexport) int WINAPI RARCloseArchive(HANDLE)
{
    return 0;
}

extern "C" __declspec(dllexport) int WINAPI RARReadHeaderEx(HANDLE, RARHeaderDataEx *header)
{
    if (Next >= RecordCount) return EndResult;
    const Record *r = &Records[Next++];
    memset(header, 0, sizeof *header);
    for (int i = 0; r->name[i]; i++) header->FileNameW[i] = (wchar_t)r->name[i];
    header->UnpSize = (unsigned int)r->size;
    header->UnpSizeHigh = (unsigned int)(r->size >> 32);
    header->Flags = strcmp(r->outcome, "dir") ? 0 : RHDF_DIRECTORY;
    return 0;
}

extern "C" __declspec(dllexport) int WINAPI RARProcessFileW(HANDLE, int operation, wchar_t *, wchar_t *)
{
    const char *outcome = Records[Next - 1].outcome;
    if (operation == RAR_SKIP) return 0;
    if (!strcmp(outcome, "pw")) return Callback(UCM_NEEDPASSWORDW, UserData, 0, 0) == -1 ? ERAR_MISSING_PASSWORD : 0;
    if (!strcmp(outcome, "vol") && Callback(UCM_CHANGEVOLUMEW, UserData, (LPARAM)L"x.part2.rar", RAR_VOL_ASK) == -1)
        return 15;                          // ERAR_EOPEN
    if (!strcmp(outcome, "err")) return 12; // ERAR_BAD_DATA
    if (!strcmp(outcome, "neg")) return Callback(UCM_PROCESSDATA, UserData, (LPARAM)Chunk, -1) == -1 ? 21 : 0;
    unsigned long long total = Records[Next - 1].size + !strcmp(outcome, "more");
    for (unsigned long long sent = 0; sent < total;) {
        LPARAM count = (LPARAM)(total - sent < sizeof Chunk ? total - sent : sizeof Chunk);
        if (Callback(UCM_PROCESSDATA, UserData, (LPARAM)Chunk, count) == -1) return 21; // ERAR_UNKNOWN
        sent += (unsigned long long)count;
    }
    return 0;
}
