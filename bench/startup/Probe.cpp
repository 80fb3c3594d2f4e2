// Pieces of Folivex's start-up, each timed in a process of its own, for the
// start-up benchmark's breakdown. Built like Folivex.exe (no C runtime, the
// same system DLLs), once with the engine and once without:
//
//   StartupProbe exit        ends at once: the process start, engine DLL loaded
//   StartupProbe init        FPDF_InitLibrary
//   StartupProbe open DOC    FPDF_InitLibrary, then open DOC, read every page
//                            size and render page 1 860 pixels wide, timed
//                            after the initialisation
//   StartupProbeNoEngine     ends at once, without the engine DLL
//
// The exit code is the timed part in microseconds (0 for exit).
#include <windows.h>

#ifdef PROBE_ENGINE
#include "view/Pdfium.h"

static LARGE_INTEGER Now(void)
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

static UINT Microseconds(LARGE_INTEGER from)
{
    LARGE_INTEGER to = Now(), frequency;
    QueryPerformanceFrequency(&frequency);
    return (UINT)((to.QuadPart - from.QuadPart) * 1000000 / frequency.QuadPart);
}

// The first argument, after the program name and blanks.
static wchar_t *Argument(wchar_t *line)
{
    if (*line == L'"') {
        line++;
        while (*line && *line != L'"') line++;
        if (*line) line++;
    } else {
        while (*line > 32) line++;
    }
    while (*line == L' ') line++;
    return line;
}

// The engine's share of opening a PDF and showing page 1, as the reader's
// first window needs it.
static void OpenAndRender(const wchar_t *path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) ExitProcess(0);
    LARGE_INTEGER size;
    GetFileSizeEx(file, &size);
    HANDLE mapping = CreateFileMappingW(file, NULL, PAGE_READONLY, 0, 0, NULL);
    CloseHandle(file);
    const void *view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    FPDF_DOCUMENT document = FPDF_LoadMemDocument64(view, (size_t)size.QuadPart, NULL);
    if (!document) ExitProcess(0);
    int count = FPDF_GetPageCount(document);
    double w = 0, h = 0;
    for (int i = 0; i < count; i++) FPDF_GetPageSizeByIndex(document, i, &w, &h);
    FPDF_GetPageSizeByIndex(document, 0, &w, &h);
    int pw = 860, ph = (int)(h * pw / w + 0.5);
    FPDF_PAGE page = FPDF_LoadPage(document, 0);
    FPDF_BITMAP bitmap = FPDFBitmap_Create(pw, ph, 0);
    FPDFBitmap_FillRect(bitmap, 0, 0, pw, ph, 0xFFFFFFFF);
    if (page) FPDF_RenderPageBitmap(bitmap, page, 0, 0, pw, ph, 0, FPDF_ANNOT | FPDF_LCD_TEXT);
}
#endif

extern "C" void ProbeEntry(void)
{
    // The system DLLs Folivex.exe imports, imported here too.
    if (GetTickCount() == 1) {
        GetSysColor(0);
        GetStockObject(0);
        RegCloseKey(NULL);
    }
#ifdef PROBE_ENGINE
    wchar_t *argument = Argument(GetCommandLineW());
    if (argument[0] == L'i') {
        LARGE_INTEGER start = Now();
        FPDF_InitLibrary();
        ExitProcess(Microseconds(start));
    }
    if (argument[0] == L'o') {
        FPDF_InitLibrary();
        wchar_t *path = Argument(argument);
        if (*path == L'"') path++;
        for (wchar_t *end = path; *end; end++) {
            if (*end == L'"') *end = 0;
        }
        LARGE_INTEGER start = Now();
        OpenAndRender(path);
        ExitProcess(Microseconds(start));
    }
#endif
    ExitProcess(0);
}
