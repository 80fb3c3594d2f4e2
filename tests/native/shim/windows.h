// Minimal stand-in for <windows.h> so that the archive parsers build and run
// natively on Linux under the sanitizers and libFuzzer.  It maps only the
// types and calls those files use.
//
// Wide characters: Windows strings are UTF-16 with a 16-bit wchar_t, while
// Linux's wchar_t is 32-bit.  The native build compiles everything with
// -fshort-wchar so that wchar_t, L"..." literals and the structure layouts are
// the same as on Windows and the parsers keep using plain wchar_t.  The price
// is that the C library's wide functions (wcslen, wcscmp, swprintf...) assume
// 32-bit units and must not be called on these strings; the code under test
// uses only the helpers below, and the tests compare wide strings with their
// own loops.
#ifndef FOLIVEX_NATIVE_WINDOWS_SHIM_H
#define FOLIVEX_NATIVE_WINDOWS_SHIM_H

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

static_assert(sizeof(wchar_t) == 2, "the native build needs -fshort-wchar");

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int BOOL;
typedef unsigned int UINT;
typedef int INT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uintptr_t ULONG_PTR;
typedef size_t SIZE_T;
typedef void* HANDLE;
typedef void* LPVOID;
typedef wchar_t WCHAR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCWSTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef int64_t INT64;
typedef uint64_t UINT64;
typedef int32_t INT32;
typedef uint32_t UINT32;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define WINAPI
#define HEAP_ZERO_MEMORY 0x00000008
#define CP_UTF8 65001

#define CopyMemory(d, s, n) memcpy((d), (s), (n))
#define MoveMemory(d, s, n) memmove((d), (s), (n))
#define ZeroMemory(d, n) memset((d), 0, (n))

// The process heap is the C heap; the handle is only a token.
static inline HANDLE GetProcessHeap(void) { return (HANDLE)1; }

static inline LPVOID HeapAlloc(HANDLE, DWORD flags, SIZE_T bytes) {
    if (bytes == 0) bytes = 1;   // HeapAlloc hands out a block even for 0 bytes
    return (flags & HEAP_ZERO_MEMORY) ? calloc(1, bytes) : malloc(bytes);
}

static inline BOOL HeapFree(HANDLE, DWORD, LPVOID block) {
    free(block);
    return TRUE;
}

// Growth is not zero-filled here even with HEAP_ZERO_MEMORY: callers that
// need it clear the new part themselves.
static inline LPVOID HeapReAlloc(HANDLE, DWORD, LPVOID block, SIZE_T bytes) {
    if (bytes == 0) bytes = 1;
    return realloc(block, bytes);
}

// Single-unit lower-casing for ASCII and Latin-1, enough for archive names.
static inline wchar_t ShimLowerUnit(wchar_t unit) {
    uint16_t u = (uint16_t)unit;
    if (u >= 'A' && u <= 'Z') return (wchar_t)(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return (wchar_t)(u + 32);
    return unit;
}

// Like Windows: a pointer whose high bits are zero is a single character and
// the result carries the lower-cased character; otherwise the string is
// lower-cased in place.
static inline LPWSTR CharLowerW(LPWSTR text) {
    uintptr_t value = (uintptr_t)text;
    if ((value >> 16) == 0) return (LPWSTR)(uintptr_t)(uint16_t)ShimLowerUnit((wchar_t)value);
    for (wchar_t* p = text; *p; p++) *p = ShimLowerUnit(*p);
    return text;
}

static inline int lstrcmpiW(LPCWSTR a, LPCWSTR b) {
    for (;; a++, b++) {
        int ca = (uint16_t)ShimLowerUnit(*a), cb = (uint16_t)ShimLowerUnit(*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

static inline int lstrlenW(LPCWSTR text) {
    if (!text) return 0;
    int n = 0;
    while (text[n]) n++;
    return n;
}

// The DOS code page's upper half (0x80-0xFF); the lower half is ASCII.
static const uint16_t ShimCodePage437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// Decodes one UTF-8 sequence starting at s[i] (n bytes in all) into a code
// point; advances i.  Malformed input gives U+FFFD for its first byte, as
// MultiByteToWideChar does without MB_ERR_INVALID_CHARS.
static inline uint32_t ShimDecodeUtf8(const uint8_t* s, int n, int* i) {
    uint8_t b = s[*i];
    int need;
    uint32_t cp, min;
    if (b < 0x80) { (*i)++; return b; }
    if (b >= 0xC2 && b <= 0xDF) { need = 1; cp = b & 0x1F; min = 0x80; }
    else if (b >= 0xE0 && b <= 0xEF) { need = 2; cp = b & 0x0F; min = 0x800; }
    else if (b >= 0xF0 && b <= 0xF4) { need = 3; cp = b & 0x07; min = 0x10000; }
    else { (*i)++; return 0xFFFD; }
    if (n - *i - 1 < need) { (*i)++; return 0xFFFD; }
    for (int k = 1; k <= need; k++) {
        uint8_t c = s[*i + k];
        if ((c & 0xC0) != 0x80) { (*i)++; return 0xFFFD; }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { (*i)++; return 0xFFFD; }
    *i += need + 1;
    return cp;
}

// Code pages 437 and 65001 only.  srcLength -1 includes the terminating NUL;
// dstLength 0 asks for the length.  Returns 0 on failure or a short buffer.
static inline int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR source, int srcLength,
                                      LPWSTR dest, int dstLength) {
    if (!source || srcLength == 0 || (codePage != 437 && codePage != CP_UTF8)) return 0;
    const uint8_t* s = (const uint8_t*)source;
    int n = srcLength < 0 ? (int)strlen(source) + 1 : srcLength;
    int out = 0;
    for (int i = 0; i < n;) {
        uint32_t cp;
        if (codePage == 437) {
            cp = s[i] < 0x80 ? s[i] : ShimCodePage437[s[i] - 0x80];
            i++;
        } else {
            cp = ShimDecodeUtf8(s, n, &i);
        }
        int units = cp >= 0x10000 ? 2 : 1;
        if (dstLength > 0) {
            if (out + units > dstLength) return 0;
            if (units == 2) {
                dest[out] = (wchar_t)(0xD800 + ((cp - 0x10000) >> 10));
                dest[out + 1] = (wchar_t)(0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                dest[out] = (wchar_t)cp;
            }
        }
        out += units;
    }
    return out;
}

#endif
