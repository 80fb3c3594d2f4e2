#include "ReaderSupport.h"

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "app/Shell.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/Pdfium.h"

const wchar_t kTestSettingsKey[] = L"Software\\FolivexReaderTests";
std::vector<int> ReportedOpenErrors;

static HWND savedMain;
static HWND savedView;
static bool synthetic;

void DeleteTestSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestSettingsKey);
}

void EnsureReaderWindows()
{
    static bool done = false;
    if (done) return;
    done = true;
    SettingsKeyPath = kTestSettingsKey;
    DeleteTestSettings();
    BuildProgramWindows(GetModuleHandleW(NULL));
    CollectOpenErrors();
}

std::wstring FixturePath(const wchar_t *name)
{
    wchar_t dir[1024] = L"";
    GetEnvironmentVariableW(L"FOLIVEX_FIXTURES", dir, 1024);
    return std::wstring(dir) + L"\\" + name;
}

bool FixtureExists(const wchar_t *name)
{
    return GetFileAttributesW(FixturePath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void UseSyntheticPages(const std::vector<std::pair<double, double>> &sizes)
{
    if (!synthetic) {
        savedMain = MainWindow;
        savedView = ViewWindow;
        synthetic = true;
    }
    MainWindow = NULL;
    ViewWindow = NULL;
    if (Document.pageWidths) HeapFree(GetProcessHeap(), 0, Document.pageWidths);
    int count = (int)sizes.size();
    void *block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, (SIZE_T)count * 24 + 1);
    Document.pdf = (FPDF_DOCUMENT)(void *)&Document; // stands for "a PDF is open"; never handed to the engine
    Document.comic = NULL;
    Document.pageCount = count;
    Document.pageWidths = (double *)block;
    Document.pageHeights = Document.pageWidths + count;
    Document.pageY = (int *)(Document.pageHeights + count);
    Document.pageX = Document.pageY + count;
    for (int i = 0; i < count; i++) {
        Document.pageWidths[i] = sizes[i].first;
        Document.pageHeights[i] = sizes[i].second;
    }
    lstrcpyW(Document.path, L"C:\\docs\\report.pdf");
    Document.fileName = Document.path + 8;
}

void UseUniformPages(int count, double width, double height)
{
    UseSyntheticPages(std::vector<std::pair<double, double>>(count, {width, height}));
}

void RestoreFromSynthetic()
{
    if (!synthetic) return;
    if (Document.pageWidths) HeapFree(GetProcessHeap(), 0, Document.pageWidths);
    ZeroMemory(&Document, sizeof Document);
    MainWindow = savedMain;
    ViewWindow = savedView;
    synthetic = false;
}

void ResetViewState(int viewWidth, int viewHeight)
{
    ViewState.zoom = 1.0;
    ViewState.fitWidth = 1;
    ViewState.layoutWidth = 0;
    ViewState.layoutHeight = 0;
    ViewState.viewWidth = viewWidth;
    ViewState.viewHeight = viewHeight;
    ViewState.scrollX = 0;
    ViewState.scrollY = 0;
    ViewState.doublePage = 0;
    ViewState.coverPaired = 0;
    ViewState.titlePage = -1;
}

static void RecordOpenError(int error)
{
    ReportedOpenErrors.push_back(error);
}

void CollectOpenErrors()
{
    OpenErrorHook = RecordOpenError;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::wstring MainTitle()
{
    wchar_t text[512] = L"";
    GetWindowTextW(MainWindow, text, 512);
    return text;
}
