// Comic page timings: decoding a large PNG page with WIC at its natural
// size and at the smaller size a fitted view asks for, and drawing pages
// into a paint bitmap by straight copy and by bilinear enlargement. Not a
// test: it only prints timings (under Wine the decoder is Wine's WIC).
//
//   bench/comic/run.sh
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "app/Shell.h"
#include "archive/ComicBook.h"
#include "imaging/ComicDraw.h"
#include "imaging/Decode.h"
#include "imaging/PageImages.h"
#include "view/Document.h"
#include "view/Layout.h"

// What the image code reads from the rest of the program.
HWND MainWindow;
DocumentRecord Document;
ViewStateRecord ViewState;
void OnThumbDecoded(int, HBITMAP bitmap, int)
{
    DeleteObject(bitmap);
}
FARPROC GetProcFromLibrary(const char *dllName, const char *procName)
{
    HMODULE module = LoadLibraryExA(dllName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, procName) : nullptr;
}

static std::string ReadAll(const wchar_t *path)
{
    std::string data;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return data;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
    CloseHandle(file);
    return data;
}

static double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

// Runs a step for about a second and prints milliseconds per run.
template <typename Step>
static void Measure(const char *name, Step step)
{
    int runs = 0;
    double start = Now(), elapsed = 0;
    do {
        step();
        runs++;
        elapsed = Now() - start;
    } while (elapsed < 1.0);
    printf("%-44s %9.2f ms  (%d runs)\n", name, elapsed * 1000.0 / runs, runs);
}

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: ComicBench <large.png>\n");
        return 2;
    }
    std::string png = ReadAll(argv[1]);
    if (png.empty()) {
        fprintf(stderr, "cannot read the image\n");
        return 1;
    }
    ArchiveEntry entry = {};
    entry.data = (const BYTE *)png.data();
    entry.packedSize = entry.unpackedSize = png.size();
    entry.method = METHOD_STORED;
    IWICImagingFactory *factory = GetUiImagingFactory();
    UINT width = 0, height = 0;
    if (!factory || !DecodeImage(factory, &entry, 0, 0, nullptr, &width, &height)) {
        fprintf(stderr, "WIC cannot open the image\n");
        return 1;
    }
    printf("page image: %u x %u, %zu bytes\n", width, height, png.size());

    std::vector<BYTE> natural((size_t)width * height * 4);
    Measure("decode at the natural size",
            [&] { DecodeImage(factory, &entry, (int)width, (int)height, natural.data(), nullptr, nullptr); });
    int fitW = 860, fitH = (int)((uint64_t)height * 860 / width);
    std::vector<BYTE> fitted((size_t)fitW * fitH * 4);
    Measure("decode scaled to an 860-pixel-wide view",
            [&] { DecodeImage(factory, &entry, fitW, fitH, fitted.data(), nullptr, nullptr); });

    // A paint bitmap the size of a large view.
    const int bw = 1600, bh = 1200;
    std::vector<BYTE> bitmap((size_t)bw * bh * 4);
    Measure("draw 860-wide page, straight copy",
            [&] { DrawPageImage(fitted.data(), fitW, fitH, bitmap.data(), bw, bh, 8, -100, fitW, fitH); });
    Measure("draw 100x100 page enlarged to fill the view",
            [&] { DrawPageImage(natural.data(), 100, 100, bitmap.data(), bw, bh, 0, 0, bw, bh); });
    Measure("draw natural page enlarged 2x, clipped", [&] {
        DrawPageImage(natural.data(), (int)width, (int)height, bitmap.data(), bw, bh, -200, -300, (int)width * 2,
                      (int)height * 2);
    });
    return 0;
}
