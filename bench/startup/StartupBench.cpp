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
// alternately, and the medians are compared.
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "view/Pdfium.h"

namespace
{

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

struct WindowSearch {
    DWORD pid;
    const wchar_t *className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    WindowSearch *search = (WindowSearch *)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t name[64];
    if (pid == search->pid && IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 64) &&
        lstrcmpW(name, search->className) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD pid, const wchar_t *className)
{
    WindowSearch search = {pid, className, NULL};
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.found;
}

std::wstring Title(HWND hwnd)
{
    wchar_t text[512];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, (LPARAM)text, SMTO_NORMAL, 5000, &length)) return L"";
    return std::wstring(text, length);
}

// Nonzero once the program has handled everything queued so far and the
// window has nothing left to paint.
bool PaintedOut(HWND top, HWND painted)
{
    DWORD_PTR result;
    if (!SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) return false;
    return !GetUpdateRect(painted, NULL, FALSE);
}

// Seconds from CreateProcess to the first complete paint, or -1.
double MeasureStart(const std::wstring &exe, const std::wstring &argument, const wchar_t *className,
                    const wchar_t *childClass, const std::wstring &wantedTitle)
{
    std::wstring line = L"\"" + exe + L"\"";
    if (!argument.empty()) line += L" \"" + argument + L"\"";
    std::vector<wchar_t> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    LARGE_INTEGER start = Now();
    if (!CreateProcessW(exe.c_str(), mutableLine.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &info)) {
        fprintf(stderr, "cannot start %ls (%lu)\n", exe.c_str(), GetLastError());
        return -1;
    }
    double elapsed = -1;
    DWORD began = GetTickCount();
    while (GetTickCount() - began < 30000) {
        HWND top = FindProcessWindow(info.dwProcessId, className);
        if (top) {
            HWND painted = childClass ? FindWindowExW(top, NULL, childClass, NULL) : top;
            if (painted && (wantedTitle.empty() || Title(top) == wantedTitle) && PaintedOut(top, painted)) {
                elapsed = Seconds(start, Now());
                break;
            }
        }
        Sleep(1);
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return elapsed;
}

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

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    if (n == 0) return -1;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::wstring FileName(const std::wstring &path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
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

    // One warm-up run of each so that both start from warm file caches.
    MeasureStart(empty, L"", L"FolivexEmptyWindow", NULL, L"");
    MeasureStart(folivex, document, L"Folivex", L"FolivexView", title);

    std::vector<double> floorTimes, readerTimes, engineTimes;
    for (int i = 0; i < runs; i++) {
        double e = MeasureStart(empty, L"", L"FolivexEmptyWindow", NULL, L"");
        double r = MeasureStart(folivex, document, L"Folivex", L"FolivexView", title);
        if (e < 0 || r < 0) {
            fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        floorTimes.push_back(e);
        readerTimes.push_back(r);
        // The reader's first window shows page 1 about 860 pixels wide.
        engineTimes.push_back(MeasureEngine(document, 860));
    }
    FPDF_DestroyLibrary();

    double floor = Median(floorTimes);
    double reader = Median(readerTimes);
    double engine = Median(engineTimes);
    printf("document: %ls (%d pages), %d runs, medians\n", FileName(document).c_str(), pages, runs);
    printf("empty window shown and painted:        %8.1f ms\n", floor * 1000);
    printf("engine: open, page sizes, render p. 1: %8.1f ms\n", engine * 1000);
    printf("Folivex: start to page 1 painted:      %8.1f ms\n", reader * 1000);
    printf("ratio to the floor:                    %8.2f\n", reader / floor);
    printf("ratio to floor + engine:               %8.2f (target 1.5 or less)\n", reader / (floor + engine));
    return 0;
}
