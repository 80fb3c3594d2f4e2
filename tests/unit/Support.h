// Helpers shared by the unit tests: fixture files, UTF-16 text, and (on
// Windows) the program's windows, held modifier keys, message pumping,
// 32-bit bitmaps and the heap block counter.
//
// The archive tests also build natively with -fshort-wchar, where the C
// library's wide functions do not match the 16-bit wchar_t: wide strings
// are turned into UTF-8 with Utf8() for comparing and printing.
#pragma once
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Bytes of a generated fixture, relative to the FOLIVEX_FIXTURES folder.
// Empty, with a test failure, when it cannot be read.
inline std::vector<BYTE> ReadFixture(const std::string &relative)
{
    const char *folder = getenv("FOLIVEX_FIXTURES");
    std::string path = std::string(folder ? folder : ".") + "/" + relative;
    std::ifstream file(path, std::ios::binary);
    if (!file) ADD_FAILURE() << "cannot open fixture " << path;
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// UTF-8 form of a UTF-16 string, for comparisons and messages.
inline std::string Utf8(const wchar_t *text)
{
    if (!text) return "(null)";
    std::string out;
    for (; *text; text++) {
        unsigned c = (unsigned short)*text;
        if (c >= 0xD800 && c <= 0xDBFF && text[1])
            c = 0x10000 + ((c - 0xD800) << 10) + ((unsigned short)*++text - 0xDC00);
        int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        out += (char)(tail ? (0xFF80 >> tail & 0xFF) | c >> 6 * tail : c);
        while (tail--) out += (char)(0x80 | (c >> 6 * tail & 0x3F));
    }
    return out;
}

#ifdef _WIN32
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/Startup.h"
#include "view/Document.h"

// The fixture's full Windows path.
inline std::wstring FixturePath(const wchar_t *name)
{
    wchar_t folder[1024] = L".";
    GetEnvironmentVariableW(L"FOLIVEX_FIXTURES", folder, 1024);
    return std::wstring(folder) + L"\\" + name;
}

// Open errors, collected instead of shown in message boxes.
inline std::vector<int> OpenErrors;

// Builds the program's real windows (hidden) and starts the engine, once per
// test executable, with the settings under a key of the tests' own.
inline void EnsureProgramWindows()
{
    static bool done = false;
    if (done) return;
    done = true;
    SettingsKeyPath = L"Software\\FolivexUnitTests";
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    BuildProgramWindows(GetModuleHandleW(NULL));
    OpenErrorHook = [](int error) { OpenErrors.push_back(error); };
}

// Ctrl and Shift as GetKeyState reports them on this thread, without input.
inline void HoldModifiers(bool ctrl, bool shift)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Handles every message waiting for this thread.
inline void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A 32-bit top-down DIB section of w x h pixels; its bits through *bits.
inline HBITMAP CreateDib32(int w, int h, void **bits)
{
    BITMAPINFO bmi;
    DescribeTopDownBitmap(&bmi, w, h);
    return CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, bits, NULL, 0);
}

// Busy blocks of the process heap, for leak counts around an operation.
inline size_t BusyHeapBlocks()
{
    HANDLE heap = GetProcessHeap();
    size_t busy = 0;
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry;
    entry.lpData = NULL;
    while (HeapWalk(heap, &entry)) busy += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(heap);
    return busy;
}
#endif
