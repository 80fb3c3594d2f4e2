// RAR benchmark: opens a large CBR as a comic book (the listing, page order
// and sizing of OpenComicBook), then reads every page whole. Prints the
// listing time with the share of it spent in the library's open, header
// skip and test calls, the time per page read, and the process's peak
// memory. Not a test: it only prints figures (under Wine, with our
// unrar.dll).
//
//   bench/rar/run.sh
#include <windows.h>
#include <psapi.h>

#include <stdio.h>

#include "archive/RarReader.h"

static RarEntryPoints Real;
static double OpenTime, CloseTime, HeaderTime, SkipTime, TestTime;
static int Opens, Headers, Skips;

static double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

// User and kernel time of this process so far: on a busy machine a fairer
// yardstick than the wall clock.
static double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    ULARGE_INTEGER k = {{kernel.dwLowDateTime, kernel.dwHighDateTime}}, u = {{user.dwLowDateTime, user.dwHighDateTime}};
    return (double)(k.QuadPart + u.QuadPart) / 1e7;
}

static HANDLE WINAPI TimedOpen(RAROpenArchiveDataEx *data)
{
    double start = Now();
    HANDLE archive = Real.RAROpenArchiveEx(data);
    OpenTime += Now() - start;
    Opens++;
    return archive;
}

static int WINAPI TimedClose(HANDLE archive)
{
    double start = Now();
    int result = Real.RARCloseArchive(archive);
    CloseTime += Now() - start;
    return result;
}

static int WINAPI TimedHeader(HANDLE archive, RARHeaderDataEx *header)
{
    double start = Now();
    int result = Real.RARReadHeaderEx(archive, header);
    HeaderTime += Now() - start;
    Headers++;
    return result;
}

static int WINAPI TimedProcess(HANDLE archive, int operation, wchar_t *path, wchar_t *name)
{
    double start = Now();
    int result = Real.RARProcessFileW(archive, operation, path, name);
    if (operation == RAR_SKIP) {
        SkipTime += Now() - start;
        Skips++;
    } else {
        TestTime += Now() - start;
    }
    return result;
}

static void ResetCounts()
{
    OpenTime = CloseTime = HeaderTime = SkipTime = TestTime = 0;
    Opens = Headers = Skips = 0;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: RarBench <comic.cbr>\n");
        return 2;
    }
    if (!LoadUnrar()) {
        fprintf(stderr, "unrar.dll is missing beside RarBench.exe\n");
        return 1;
    }
    Real = Unrar;
    Unrar.RAROpenArchiveEx = TimedOpen;
    Unrar.RARCloseArchive = TimedClose;
    Unrar.RARReadHeaderEx = TimedHeader;
    Unrar.RARProcessFileW = TimedProcess;

    double start = Now(), cpuStart = CpuSeconds();
    int error = 0;
    ComicBook *book = OpenComicBook(ARCHIVE_RAR, argv[1], NULL, 0, &error);
    double listing = Now() - start, listingCpu = CpuSeconds() - cpuStart;
    if (!book) {
        fprintf(stderr, "the comic does not open (error %d)\n", error);
        return 1;
    }
    printf("%-40s %9.0f ms  (%d pages; %.0f ms CPU)\n", "listing (OpenComicBook)", listing * 1000, book->entryCount,
           listingCpu * 1000);
    printf("  %-38s %9.0f ms  (%d opens)\n", "opening the archive", OpenTime * 1000, Opens);
    printf("  %-38s %9.0f ms\n", "closing the archive", CloseTime * 1000);
    printf("  %-38s %9.0f ms  (%d headers)\n", "reading headers", HeaderTime * 1000, Headers);
    printf("  %-38s %9.0f ms  (%d headers)\n", "skipping entries", SkipTime * 1000, Skips);
    printf("  %-38s %9.0f ms\n", "testing entries", TestTime * 1000);

    ResetCounts();
    double first = 0, last = 0, total = 0;
    for (int32_t i = 0; i < book->entryCount; i++) {
        uint64_t size = 0;
        BYTE *owned = NULL;
        double pageStart = Now();
        const BYTE *bytes = ReadEntryBytes(&book->entries[i], 0, &size, &owned);
        double elapsed = Now() - pageStart;
        if (!bytes) fprintf(stderr, "page %d does not read\n", i + 1);
        if (owned) HeapFree(GetProcessHeap(), 0, owned);
        if (i == 0) first = elapsed;
        last = elapsed;
        total += elapsed;
    }
    printf("%-40s %9.2f ms  (first %.2f, last %.2f)\n", "page read, whole page, mean", total * 1000 / book->entryCount,
           first * 1000, last * 1000);
    if (Opens) {
        printf("  %-38s %9.2f ms per page\n", "opening the archive", OpenTime * 1000 / book->entryCount);
        printf("  %-38s %9.2f ms per page\n", "closing the archive", CloseTime * 1000 / book->entryCount);
        printf("  %-38s %9.2f ms per page\n", "reading headers", HeaderTime * 1000 / book->entryCount);
        printf("  %-38s %9.2f ms per page\n", "skipping entries", SkipTime * 1000 / book->entryCount);
        printf("  %-38s %9.2f ms per page\n", "testing the entry", TestTime * 1000 / book->entryCount);
    }

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    printf("%-40s %9.0f MiB private, %.0f MiB working set\n", "peak memory", memory.PeakPagefileUsage / 1048576.0,
           memory.PeakWorkingSetSize / 1048576.0);
    FreeComicBook(book);
    return 0;
}
