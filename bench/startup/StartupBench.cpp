// Start-up benchmark: how long Folivex.exe takes from process creation to
// the first complete paint of page 1 of a long PDF, beside the floor set by
// a minimal window program of ours and the engine's own time to open that
// document and render that page.
//
//   StartupBench FOLIVEX_EXE EMPTY_WINDOW_EXE DOCUMENT [RUNS]
//
// "Painted" means: the window's title is the one of page 1 (the document is
// laid out), and after a round trip through the program's message queue its
// view has no invalid region left. Both programs are measured the same way,
// alternately, and the medians are compared. Then the engine's part of
// start-up is taken apart with the probes of Probe.cpp: loading its DLL,
// initialising it, and its first document in a fresh process, which the
// engine figure above (a warm process) does not include.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "../Launch.h"
#include "view/Pdfium.h"

namespace
{

// The engine alone: load the document from memory, read every page size
// (as opening does), then load and render page 1 at the width the reader
// shows it at in its first window.
double MeasureEngine(const std::wstring &path, int renderWidth)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return -1;
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    HANDLE mapping = CreateFileMappingW(file, NULL, PAGE_READONLY, 0, 0, NULL);
    CloseHandle(file);
    const void *view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    LARGE_INTEGER start = Now();
    FPDF_DOCUMENT document = FPDF_LoadMemDocument64(view, (size_t)size.QuadPart, NULL);
    double seconds = -1;
    if (document) {
        int count = FPDF_GetPageCount(document);
        double w = 0, h = 0;
        for (int i = 0; i < count; i++) FPDF_GetPageSizeByIndex(document, i, &w, &h);
        FPDF_GetPageSizeByIndex(document, 0, &w, &h);
        int pw = renderWidth;
        int ph = (int)(h * renderWidth / w + 0.5);
        FPDF_PAGE page = FPDF_LoadPage(document, 0);
        FPDF_BITMAP bitmap = FPDFBitmap_Create(pw, ph, 0);
        FPDFBitmap_FillRect(bitmap, 0, 0, pw, ph, 0xFFFFFFFF);
        if (page) FPDF_RenderPageBitmap(bitmap, page, 0, 0, pw, ph, 0, FPDF_ANNOT | FPDF_LCD_TEXT);
        seconds = Seconds(start, Now());
        FPDFBitmap_Destroy(bitmap);
        if (page) FPDF_ClosePage(page);
        FPDF_CloseDocument(document);
    }
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    return seconds;
}

// Runs a probe (Probe.cpp) to its end: the wall time from CreateProcess to
// the exit, and the part the probe timed itself, both in milliseconds.
bool RunProbe(const std::wstring &exe, const std::wstring &arguments, double *wall, double *timed)
{
    PROCESS_INFORMATION info;
    LARGE_INTEGER start = Now();
    if (!StartProcess(exe, L"\"" + exe + L"\" " + arguments, &info)) return false;
    bool ended = WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0;
    *wall = Seconds(start, Now()) * 1000;
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    *timed = code / 1000.0;
    if (!ended) TerminateProcess(info.hProcess, 0);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return ended;
}

struct Series {
    const char *name;
    std::vector<double> ms;
};

void PrintSeries(const Series &s)
{
    printf("  %-52s %8.1f / %8.1f ms\n", s.name, Median(s.ms), Smallest(s.ms));
}

std::wstring Sibling(const std::wstring &exe, const wchar_t *name)
{
    size_t slash = exe.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? L"" : exe.substr(0, slash + 1)) + name;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: StartupBench FOLIVEX_EXE EMPTY_WINDOW_EXE DOCUMENT [RUNS]\n");
        return 2;
    }
    std::wstring folivex = argv[1];
    std::wstring empty = argv[2];
    std::wstring document = argv[3];
    int runs = argc > 4 ? _wtoi(argv[4]) : 9;

    // The document's page count, for the title of page 1.
    FPDF_InitLibrary();
    int pages = 0;
    {
        HANDLE file = CreateFileW(document.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
        LARGE_INTEGER size = {};
        GetFileSizeEx(file, &size);
        std::vector<char> bytes((size_t)size.QuadPart);
        DWORD read = 0;
        ReadFile(file, bytes.data(), (DWORD)bytes.size(), &read, NULL);
        CloseHandle(file);
        FPDF_DOCUMENT d = FPDF_LoadMemDocument64(bytes.data(), bytes.size(), NULL);
        if (d) {
            pages = FPDF_GetPageCount(d);
            FPDF_CloseDocument(d);
        }
    }
    if (pages < 1) {
        fprintf(stderr, "cannot read %ls\n", document.c_str());
        return 1;
    }
    std::wstring title = FileName(document) + L" - 1/" + std::to_wstring(pages) + L" - Folivex";
    LaunchTarget floorTarget = {empty, L"", L"FolivexEmptyWindow", NULL, L"", true};
    LaunchTarget readerTarget = {folivex, document, L"Folivex", L"FolivexView", title, true};

    // One warm-up run of each so that both start from warm file caches.
    MeasureStart(floorTarget);
    MeasureStart(readerTarget);

    std::vector<double> floorTimes, readerTimes, engineTimes;
    for (int i = 0; i < runs; i++) {
        double e = MeasureStart(floorTarget);
        double r = MeasureStart(readerTarget);
        if (e < 0 || r < 0) {
            fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        floorTimes.push_back(e * 1000);
        readerTimes.push_back(r * 1000);
        // The reader's first window shows page 1 about 860 pixels wide.
        engineTimes.push_back(MeasureEngine(document, 860) * 1000);
    }
    FPDF_DestroyLibrary();

    double floor = Median(floorTimes);
    double reader = Median(readerTimes);
    double engine = Median(engineTimes);
    HKEY key;
    DWORD hideAbout = 0, type = 0, bytes = sizeof hideAbout;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Folivex", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExW(key, L"HideAboutOnStartup", NULL, &type, (BYTE *)&hideAbout, &bytes);
        RegCloseKey(key);
    }
    printf("document: %ls (%d pages), %d runs, medians (minima)\n", FileName(document).c_str(), pages, runs);
    printf("About window at start-up: %s\n", type == REG_DWORD && hideAbout ? "hidden" : "shown");
    printf("empty window shown and painted:        %8.1f ms (%.1f)\n", floor, Smallest(floorTimes));
    printf("engine: open, page sizes, render p. 1: %8.1f ms (%.1f)\n", engine, Smallest(engineTimes));
    printf("Folivex: start to page 1 painted:      %8.1f ms (%.1f)\n", reader, Smallest(readerTimes));
    printf("ratio to the floor:                    %8.2f\n", reader / floor);
    printf("ratio to floor + engine:               %8.2f (target 1.2 or less; of the minima %.2f)\n",
           reader / (floor + engine), Smallest(readerTimes) / (Smallest(floorTimes) + Smallest(engineTimes)));

    // Where the difference goes: the engine's part of start-up, piece by
    // piece, each in fresh processes built like Folivex.exe.
    std::wstring probe = Sibling(empty, L"StartupProbe.exe");
    std::wstring bare = Sibling(empty, L"StartupProbeNoEngine.exe");
    Series startBare = {"process start to exit, no engine DLL", {}};
    Series startEngine = {"process start to exit, engine DLL loaded", {}};
    Series init = {"FPDF_InitLibrary in a fresh process", {}};
    Series cold = {"engine: open, page sizes, render p. 1, fresh process", {}};
    for (int i = 0; i < runs; i++) {
        double wall, timed;
        if (!RunProbe(bare, L"exit", &wall, &timed)) break;
        startBare.ms.push_back(wall);
        if (!RunProbe(probe, L"exit", &wall, &timed)) break;
        startEngine.ms.push_back(wall);
        if (!RunProbe(probe, L"init", &wall, &timed)) break;
        init.ms.push_back(timed);
        if (!RunProbe(probe, L"open \"" + document + L"\"", &wall, &timed)) break;
        cold.ms.push_back(timed);
    }
    printf("where it goes, medians / minima:\n");
    PrintSeries(startBare);
    PrintSeries(startEngine);
    printf("  %-52s %8.1f ms\n", "  engine DLL load (difference of the medians)",
           Median(startEngine.ms) - Median(startBare.ms));
    PrintSeries(init);
    PrintSeries(cold);
    printf("  %-52s %8.1f ms\n", "  fresh-process cost of the engine's first document", Median(cold.ms) - engine);
    fflush(stdout);
    return 0;
}
