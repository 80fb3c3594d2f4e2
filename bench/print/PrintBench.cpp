// Print timings: seconds per sheet, and how much the working set grows while
// a sheet is drawn, for pages of a document printed on the default printer
// at a chosen resolution through the same placement and drawing as Ctrl+P.
// Not a test: it prints figures.
//
//   bench/print/run.sh
#include <windows.h>
#include <psapi.h>
#include <winspool.h>

#include <stdio.h>
#include <stdlib.h>

#include "app/Startup.h"
#include "imaging/Decode.h"
#include "print/Print.h"
#include "view/Document.h"

static volatile LONG Sampling;
static volatile SIZE_T PeakWorkingSet;

static SIZE_T WorkingSet(void)
{
    PROCESS_MEMORY_COUNTERS counters;
    counters.cb = sizeof counters;
    return K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

// Samples the working set every millisecond or two while a sheet is drawn.
static DWORD WINAPI SampleWorkingSet(void *)
{
    while (Sampling) {
        SIZE_T now = WorkingSet();
        if (now > PeakWorkingSet) PeakWorkingSet = now;
        Sleep(1);
    }
    return 0;
}

static double Now(void)
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

// Seconds of processor time this thread has used: on a busy machine it says
// more than the wall clock.
static double ThreadSeconds(void)
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
    return (double)(k.QuadPart + u.QuadPart) / 1e7;
}

// The default printer at the given resolution.
static HDC CreatePrinterDC(int dpi)
{
    wchar_t name[256];
    DWORD size = 256;
    HANDLE printer;
    if (!GetDefaultPrinterW(name, &size) || !OpenPrinterW(name, &printer, NULL)) return NULL;
    LONG bytes = DocumentPropertiesW(NULL, printer, name, NULL, NULL, 0);
    DEVMODEW *mode = (DEVMODEW *)calloc(1, bytes > 0 ? bytes : 1);
    HDC dc = NULL;
    if (bytes > 0 && DocumentPropertiesW(NULL, printer, name, mode, NULL, DM_OUT_BUFFER) == IDOK) {
        mode->dmPrintQuality = mode->dmYResolution = (short)dpi;
        mode->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
        DocumentPropertiesW(NULL, printer, name, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
        dc = CreateDCW(L"WINSPOOL", name, NULL, mode);
    }
    free(mode);
    ClosePrinter(printer);
    return dc;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: PrintBench <document> <dpi> [sheets]\n");
        return 2;
    }
    BuildProgramWindows(GetModuleHandleW(NULL));
    OpenDocument(argv[1]);
    if (!IsDocumentOpen()) return 1;
    HDC dc = CreatePrinterDC(_wtoi(argv[2]));
    if (!dc) {
        fprintf(stderr, "no default printer\n");
        return 1;
    }
    int horz = GetDeviceCaps(dc, HORZRES), vert = GetDeviceCaps(dc, VERTRES);
    int sheets = argc > 3 ? _wtoi(argv[3]) : Document.pageCount;
    printf("%ls at %d dpi, printable area %d x %d pixels\n", Document.fileName, GetDeviceCaps(dc, LOGPIXELSY), horz,
           vert);
    // Where a comic sheet's time goes: the decode and the turn, apart.
    for (int page = 0; Document.comic && page < Document.pageCount; page++) {
        int w = 0, h = 0;
        double start = Now();
        BYTE *pixels = DecodeImageForPrint(Document.comic, page, &w, &h);
        double decoded = Now();
        BYTE *turned = (BYTE *)malloc((size_t)w * h * 4);
        if (pixels && turned) TurnClockwise((const uint32_t *)pixels, w, h, (uint32_t *)turned);
        printf("  page %d: %d x %d pixels, decode %.2f s, turn %.2f s\n", page + 1, w, h, decoded - start,
               Now() - decoded);
        free(turned);
        HeapFree(GetProcessHeap(), 0, pixels);
    }
    DOCINFOW job = {sizeof job, L"PrintBench", NULL, NULL, 0};
    if (StartDocW(dc, &job) <= 0) return 1;
    for (int i = 0; i < sheets; i++) {
        int page = i % Document.pageCount;
        SIZE_T before = WorkingSet();
        PeakWorkingSet = before;
        Sampling = 1;
        HANDLE sampler = CreateThread(NULL, 0, SampleWorkingSet, NULL, 0, NULL);
        double start = Now(), cpu = ThreadSeconds();
        StartPage(dc);
        PrintPageOnSheet(dc, page, horz, vert);
        EndPage(dc);
        double seconds = Now() - start;
        cpu = ThreadSeconds() - cpu;
        Sampling = 0;
        WaitForSingleObject(sampler, INFINITE);
        CloseHandle(sampler);
        printf("  sheet %d (page %d, %.0f x %.0f pt): %.2f s (processor %.2f s), working set %.0f MB, +%.0f MB while "
               "drawn\n",
               i + 1, page + 1, Document.pageWidths[page], Document.pageHeights[page], seconds, cpu, before / 1048576.0,
               (PeakWorkingSet - before) / 1048576.0);
    }
    double start = Now();
    EndDoc(dc);
    printf("  end of job: %.2f s\n", Now() - start);
    PROCESS_MEMORY_COUNTERS counters;
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    printf("  peak working set of the process: %.0f MB\n", counters.PeakWorkingSetSize / 1048576.0);
    DeleteDC(dc);
    return 0;
}
