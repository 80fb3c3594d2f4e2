// Stand-in for <windows.h> so that the archive parsers, their tests and the
// fuzz targets build natively on Linux under the sanitizers and libFuzzer:
// only the types and calls those files use.
//
// Windows strings are UTF-16. The native build compiles everything with
// -fshort-wchar so that wchar_t, L"..." literals and record layouts match
// Windows; the C library's wide functions assume 32-bit units and must not
// be called on these strings.
#ifndef FOLIVEX_NATIVE_WINDOWS_SHIM_H
#define FOLIVEX_NATIVE_WINDOWS_SHIM_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <malloc.h>
#include <string.h>

static_assert(sizeof(wchar_t) == 2, "the native build needs -fshort-wchar");

typedef uint8_t BYTE;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef uintptr_t ULONG_PTR;
typedef size_t SIZE_T;
typedef void *HANDLE;
typedef wchar_t *LPWSTR;
typedef const char *LPCSTR;
typedef int64_t LONGLONG;
typedef union {
    LONGLONG QuadPart;
} LARGE_INTEGER;
typedef intptr_t LPARAM;
typedef void *HMODULE;
typedef int SRWLOCK;
#define HEAP_ZERO_MEMORY     8u
#define FILE_SHARE_READ      1u
#define FILE_SHARE_WRITE     2u
#define FILE_SHARE_DELETE    4u
#define OPEN_EXISTING        3u
#define FILE_BEGIN           0u
#define GENERIC_READ         0x80000000u
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define CALLBACK
#define WINAPI

// The process heap is the C heap; the handle is only a token.
#define GetProcessHeap() ((HANDLE)1)

static inline void *HeapAlloc(HANDLE, DWORD flags, SIZE_T bytes)
{
    if (bytes == 0) bytes = 1; // HeapAlloc hands out a block even for 0 bytes
    return (flags & HEAP_ZERO_MEMORY) ? calloc(1, bytes) : malloc(bytes);
}

// Growing keeps the contents; with HEAP_ZERO_MEMORY the new tail is zero,
// as on Windows. (The sanitizers' usable size is the size asked for.)
static inline void *HeapReAlloc(HANDLE, DWORD flags, void *block, SIZE_T bytes)
{
    size_t old = malloc_usable_size(block);
    void *grown = realloc(block, bytes ? bytes : 1);
    if (grown && (flags & HEAP_ZERO_MEMORY) && bytes > old) memset((char *)grown + old, 0, bytes - old);
    return grown;
}

#define HeapFree(heap, flags, block) ((void)(heap), free(block)) // no caller reads the result

// Lower case for ASCII and Latin-1, enough for archive names.
static inline uint16_t ShimLowerUnit(uint16_t u)
{
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return (uint16_t)(u + 32);
    return u;
}

// Only the single-character form: a "pointer" whose value is the character.
#define CharLowerW(unit) ((LPWSTR)(uintptr_t)ShimLowerUnit((uint16_t)(uintptr_t)(unit)))

static inline int lstrcmpiW(const wchar_t *a, const wchar_t *b)
{
    for (;; a++, b++) {
        int ca = ShimLowerUnit((uint16_t)*a), cb = ShimLowerUnit((uint16_t)*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

static inline int lstrlenW(const wchar_t *text)
{
    int n = 0;
    while (text[n]) n++;
    return n;
}

// The DOS code page's upper half (0x80-0xFF); the lower half is ASCII.
static const uint16_t ShimCodePage437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// One UTF-8 sequence at s[*i] (n bytes in all) as a code point; advances *i.
// A malformed sequence gives U+FFFD for its first byte, as
// MultiByteToWideChar does without MB_ERR_INVALID_CHARS.
static inline uint32_t ShimDecodeUtf8(const uint8_t *s, int n, int *i)
{
    uint8_t b = s[*i];
    int need = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    uint32_t cp = b & (0x3F >> need), least = need == 1 ? 0x80 : need == 2 ? 0x800 : 0x10000;
    if (b < 0x80) return s[(*i)++];
    for (int k = 1; k <= need; k++) {
        if (b < 0xC0 || b > 0xF4 || *i + k >= n || (s[*i + k] & 0xC0) != 0x80) return (*i)++, 0xFFFD;
        cp = (cp << 6) | (s[*i + k] & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return (*i)++, 0xFFFD;
    *i += need + 1;
    return cp;
}

// Code pages 437 and 65001, with an explicit source length; a destination
// length of 0 asks for the length. 0 on failure or a short buffer.
static inline int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR source, int length, LPWSTR dest, int room)
{
    const uint8_t *s = (const uint8_t *)source;
    if (codePage != 437 && codePage != 65001) return 0;
    int out = 0;
    for (int i = 0; i < length;) {
        uint32_t cp = codePage == 65001 ? ShimDecodeUtf8(s, length, &i)
                      : s[i] < 0x80     ? s[i++]
                                        : ShimCodePage437[s[i++] - 0x80];
        wchar_t units[2] = {(wchar_t)cp, 0};
        int n = cp >= 0x10000 ? 2 : 1;
        if (n == 2) units[0] = (wchar_t)(0xD800 + ((cp - 0x10000) >> 10)), units[1] = (wchar_t)(0xDC00 + (cp & 0x3FF));
        if (room > 0 && out + n > room) return 0;
        for (int k = 0; room > 0 && k < n; k++) dest[out + k] = units[k];
        out += n;
    }
    return out;
}

// The RAR reader builds here too, without its library: no module path and
// no unrar.dll, so a RAR archive reports the library missing. The lock does
// nothing: the native tests run on one thread.
#define SRWLOCK_INIT                            0
#define AcquireSRWLockExclusive(lock)           ((void)(lock))
#define ReleaseSRWLockExclusive(lock)           ((void)(lock))
#define GetModuleFileNameW(module, path, units) ((DWORD)0)
#define LoadLibraryW(path)                      ((HMODULE)0)
#define GetProcAddress(module, name)            nullptr
// The ZIP reader may read the archive through its own file handle: the
// handle is a C stream, so the sanitizers see that path too.
static inline HANDLE CreateFileW(const wchar_t *path, DWORD, DWORD, void *, DWORD, DWORD, HANDLE)
{
    char name[1024];
    int i = 0;
    for (; path[i] && i < 1023; i++) name[i] = path[i] < 0x80 ? (char)path[i] : '?';
    name[i] = 0;
    FILE *file = fopen(name, "rb");
    return file ? (HANDLE)file : INVALID_HANDLE_VALUE;
}
static inline int CloseHandle(HANDLE h)
{
    return fclose((FILE *)h) == 0;
}
static inline int GetFileSizeEx(HANDLE h, LARGE_INTEGER *size)
{
    if (fseek((FILE *)h, 0, SEEK_END)) return 0;
    size->QuadPart = ftell((FILE *)h);
    return size->QuadPart >= 0;
}
#define SetFilePointerEx(h, to, previous, method) (fseek((FILE *)(h), (long)(to).QuadPart, SEEK_SET) == 0)
static inline int ReadFile(HANDLE h, void *buffer, DWORD size, DWORD *got, void *)
{
    *got = (DWORD)fread(buffer, 1, size, (FILE *)h);
    return !ferror((FILE *)h);
}
static inline LPWSTR lstrcpynW(LPWSTR to, const wchar_t *from, int units)
{
    int i = 0;
    for (; i + 1 < units && from[i]; i++) to[i] = from[i];
    if (units > 0) to[i] = 0;
    return to;
}

#endif
