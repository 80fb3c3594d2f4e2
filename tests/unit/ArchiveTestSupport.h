// Helpers shared by the archive tests: fixture files and UTF-16 strings.
//
// The same sources build for Windows (MinGW, run under Wine) and natively
// with -fshort-wchar, where the C library's wide functions do not match the
// 16-bit wchar_t; so wide strings are compared and printed with the loops
// below, never with wcscmp or GoogleTest's wide assertions.
#ifndef FOLIVEX_TESTS_ARCHIVETESTSUPPORT_H
#define FOLIVEX_TESTS_ARCHIVETESTSUPPORT_H

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive/ComicBook.h"

// Bytes of a generated fixture, relative to the FOLIVEX_FIXTURES folder.
// Empty (with a test failure) when it cannot be read.
inline std::vector<BYTE> ReadFixture(const char* relative) {
    std::vector<BYTE> bytes;
    const char* folder = getenv("FOLIVEX_FIXTURES");
    if (!folder || !*folder) {
        ADD_FAILURE() << "FOLIVEX_FIXTURES is not set";
        return bytes;
    }
    std::string path = std::string(folder) + "/" + relative;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) {
        ADD_FAILURE() << "cannot open fixture " << path;
        return bytes;
    }
    BYTE buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    fclose(file);
    return bytes;
}

// UTF-8 rendering of a UTF-16 string, for messages and comparisons.
inline std::string Utf8(const wchar_t* text) {
    std::string out;
    if (!text) return "(null)";
    for (; *text; text++) {
        unsigned unit = (unsigned)(unsigned short)*text;
        if (unit >= 0xD800 && unit <= 0xDBFF && text[1]) {
            unsigned low = (unsigned short)text[1];
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            text++;
        }
        if (unit < 0x80) {
            out += (char)unit;
        } else if (unit < 0x800) {
            out += (char)(0xC0 | (unit >> 6));
            out += (char)(0x80 | (unit & 0x3F));
        } else if (unit < 0x10000) {
            out += (char)(0xE0 | (unit >> 12));
            out += (char)(0x80 | ((unit >> 6) & 0x3F));
            out += (char)(0x80 | (unit & 0x3F));
        } else {
            out += (char)(0xF0 | (unit >> 18));
            out += (char)(0x80 | ((unit >> 12) & 0x3F));
            out += (char)(0x80 | ((unit >> 6) & 0x3F));
            out += (char)(0x80 | (unit & 0x3F));
        }
    }
    return out;
}

// A zero-filled book from the process heap, as OpenComicBook creates it, so
// that FreeComicBook can release it.
inline ComicBook* NewEmptyBook() {
    return (ComicBook*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(ComicBook));
}

#endif
