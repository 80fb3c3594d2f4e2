// Fixed-width integers read byte by byte from untrusted data, and the case
// folding of one UTF-16 unit, shared by the archive parsers. The callers
// check the bounds; these read exactly the bytes they are given.
#ifndef FOLIVEX_ARCHIVE_BYTEREADER_H
#define FOLIVEX_ARCHIVE_BYTEREADER_H

#include <windows.h>
#include <stdint.h>

static inline uint32_t ReadLittleEndian16(const BYTE *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8);
}

static inline uint32_t ReadLittleEndian24(const BYTE *p)
{
    return ReadLittleEndian16(p) | ((uint32_t)p[2] << 16);
}

static inline uint32_t ReadLittleEndian32(const BYTE *p)
{
    return ReadLittleEndian24(p) | ((uint32_t)p[3] << 24);
}

static inline uint64_t ReadLittleEndian64(const BYTE *p)
{
    return (uint64_t)ReadLittleEndian32(p) | ((uint64_t)ReadLittleEndian32(p + 4) << 32);
}

static inline uint32_t ReadBigEndian16(const BYTE *p)
{
    return ((uint32_t)p[0] << 8) | p[1];
}

static inline uint32_t ReadBigEndian32(const BYTE *p)
{
    return (ReadBigEndian16(p) << 16) | ReadBigEndian16(p + 2);
}

// Lower-cases one UTF-16 code unit with the user's locale. CharLowerW takes
// a pointer value whose high word is zero as a single character.
static inline wchar_t LowerUnit(wchar_t unit)
{
    return (wchar_t)(ULONG_PTR)CharLowerW((LPWSTR)(ULONG_PTR)(uint16_t)unit);
}

#endif
