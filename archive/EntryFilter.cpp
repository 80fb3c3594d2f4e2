// Entry name filter and image header probe.
//
// Both are pure functions over untrusted bytes: every read below is preceded
// by a length test written so that it cannot wrap.
#include "EntryFilter.h"
#include "ByteReader.h"

// Extensions of the image formats a page may use, compared without case.
static const wchar_t *const ImageExtensions[] = {
    L"jpg", L"jpeg", L"jpe",  L"jfif", L"png",  L"gif", L"bmp", L"webp",
    L"tif", L"tiff", L"avif", L"heic", L"heif", L"jxr", L"wdp",
};

// Resource-fork folder that macOS archivers add; its files are not pages.
static const wchar_t MacFolderName[] = L"__macosx";

static bool IsPathSeparator(wchar_t unit)
{
    return unit == L'/' || unit == L'\\';
}

// True when the component starting at text begins with "__macosx", in any
// case.  Stops at the first difference, so it never reads past the name's
// terminating NUL.
static bool StartsWithMacFolder(const wchar_t *text)
{
    for (int i = 0; i < 8; i++) {
        if (text[i] == 0 || LowerUnit(text[i]) != MacFolderName[i]) return false;
    }
    return true;
}

bool IsComicImageName(const wchar_t *name)
{
    if (!name) return false;
    const wchar_t *lastComponent = name;
    const wchar_t *extension = 0;
    // One pass: every component start is checked for the macOS folder, and
    // the last component and its extension are remembered.  A separator
    // forgets an earlier full stop, so "chap.1/p01" has no extension.
    for (const wchar_t *p = name;; p++) {
        if (p == name || IsPathSeparator(p[-1])) {
            if (StartsWithMacFolder(p)) return false;
        }
        if (*p == 0) break;
        if (IsPathSeparator(*p)) {
            lastComponent = p + 1;
            extension = 0;
        } else if (*p == L'.') {
            extension = p + 1;
        }
    }
    if (*lastComponent == L'.') return false; // dot files and "._" resource forks
    if (!extension) return false;
    for (unsigned i = 0; i < sizeof(ImageExtensions) / sizeof(ImageExtensions[0]); i++) {
        if (lstrcmpiW(extension, ImageExtensions[i]) == 0) return true;
    }
    return false;
}

static bool HasTag(const BYTE *p, const char *tag)
{
    return p[0] == (BYTE)tag[0] && p[1] == (BYTE)tag[1] && p[2] == (BYTE)tag[2] && p[3] == (BYTE)tag[3];
}

// PNG: the first chunk (IHDR) holds width and height as big-endian values
// that must be positive when read as signed 32-bit numbers.
static bool ProbePng(const BYTE *bytes, int32_t *width, int32_t *height)
{
    uint32_t w = ReadBigEndian32(bytes + 16);
    uint32_t h = ReadBigEndian32(bytes + 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFFu || h > 0x7FFFFFFFu) return false;
    *width = (int32_t)w;
    *height = (int32_t)h;
    return true;
}

// GIF: the logical screen size.
static bool ProbeGif(const BYTE *bytes, int32_t *width, int32_t *height)
{
    *width = (int32_t)ReadLittleEndian16(bytes + 6);
    *height = (int32_t)ReadLittleEndian16(bytes + 8);
    return *width != 0 && *height != 0;
}

// BMP: the info header's signed size; a negative height marks a top-down
// bitmap of the same shape.  The height is negated in 64 bits because the
// most negative 32-bit value has no positive counterpart.
static bool ProbeBmp(const BYTE *bytes, int32_t *width, int32_t *height)
{
    int64_t w = (int32_t)ReadLittleEndian32(bytes + 18);
    int64_t h = (int32_t)ReadLittleEndian32(bytes + 22);
    if (h < 0) h = -h;
    if (w <= 0 || h <= 0 || h > 0x7FFFFFFF) return false;
    *width = (int32_t)w;
    *height = (int32_t)h;
    return true;
}

// WebP: sizes from the extended (VP8X), lossless (VP8L) or lossy (VP8 )
// header.  Returns 1 on success, 0 on a definite failure and -1 when the
// data should still be tried as a JPEG.
static int ProbeWebp(const BYTE *bytes, int32_t *width, int32_t *height)
{
    const BYTE *tag = bytes + 12;
    if (HasTag(tag, "VP8X")) {
        *width = (int32_t)(ReadLittleEndian24(bytes + 24) + 1);
        *height = (int32_t)(ReadLittleEndian24(bytes + 27) + 1);
        return 1;
    }
    if (HasTag(tag, "VP8L") && bytes[20] == 0x2F) {
        uint32_t v = ReadLittleEndian32(bytes + 21);
        *width = (int32_t)((v & 0x3FFF) + 1);
        *height = (int32_t)(((v >> 14) & 0x3FFF) + 1);
        return 1;
    }
    if (HasTag(tag, "VP8 ") && bytes[23] == 0x9D && bytes[24] == 0x01 && bytes[25] == 0x2A) {
        *width = (int32_t)(ReadLittleEndian16(bytes + 26) & 0x3FFF);
        *height = (int32_t)(ReadLittleEndian16(bytes + 28) & 0x3FFF);
        return (*width != 0 && *height != 0) ? 1 : 0;
    }
    return -1;
}

// JPEG: walks the marker segments up to the first start-of-frame segment,
// skipping every other segment by its length.  Every read stays below
// p + 9, which the loop keeps inside the buffer.
static bool ProbeJpeg(const BYTE *bytes, uint64_t size, int32_t *width, int32_t *height)
{
    if (size < 12 || bytes[0] != 0xFF || bytes[1] != 0xD8) return false;
    uint64_t p = 2;
    while (p + 9 < size) {
        if (bytes[p] != 0xFF) {
            p += 1;
            continue;
        }
        BYTE marker = bytes[p + 1];
        if (marker == 0xFF) {
            p += 1;
            continue;
        } // fill byte
        if ((marker >= 0xD0 && marker <= 0xD8) || marker == 0x01) {
            p += 2;
            continue;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            *height = (int32_t)ReadBigEndian16(bytes + p + 5);
            *width = (int32_t)ReadBigEndian16(bytes + p + 7);
            return *width != 0 && *height != 0;
        }
        p += 2 + ReadBigEndian16(bytes + p + 2);
    }
    return false;
}

bool ProbeImageSize(const BYTE *bytes, uint64_t size, int32_t *width, int32_t *height)
{
    if (!bytes || size < 4) return false;
    if (size >= 24 && bytes[0] == 0x89 && bytes[1] == 0x50 && bytes[2] == 0x4E && bytes[3] == 0x47) {
        return ProbePng(bytes, width, height);
    }
    if (size >= 10 && HasTag(bytes, "GIF8")) return ProbeGif(bytes, width, height);
    if (size >= 26 && bytes[0] == 'B' && bytes[1] == 'M') return ProbeBmp(bytes, width, height);
    if (size >= 30 && HasTag(bytes, "RIFF") && HasTag(bytes + 8, "WEBP")) {
        int result = ProbeWebp(bytes, width, height);
        if (result >= 0) return result == 1;
    }
    return ProbeJpeg(bytes, size, width, height);
}
