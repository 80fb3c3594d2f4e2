// Paging through a comic: does Page Down find the next page already
// decoded? The program's own windows and message loop (with its idle-time
// prefetch and miniatures) run on this process's main thread with a
// 200-page CBZ of large JPEG pages; a second thread plays the reader and
// presses Page Down at a steady pace, first at a reading pace, then at a
// fast one, each on the comic freshly opened.
//
//   PagingBench COMIC [STEPS] [READING_MS] [FAST_MS] [nothumbs]
//
// For every step: the time its paints took, and whether every page they
// drew was in the decoded-page cache before the paint (prefetched, or
// drawn before) or had to be decoded during the paint. The target is that
// at least 90% of the steps after the first find their pages decoded at the
// reading pace.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "../Launch.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/Startup.h"
#include "imaging/Decode.h"
#include "imaging/PageImages.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/Strip.h"

namespace
{

struct StepRecord {
    LARGE_INTEGER pressed;
    double paintMs = 0;     // all the paints of this step
    double answeredMs = -1; // from the press to the end of its last paint
    int paints = 0;
    bool decodedInPaint = false;
    bool workerOnMiniature = false; // when the key arrived
    std::string pages;              // what the paints drew: "12c 13d" (cache, decoded)
};

std::vector<StepRecord> Records;
int Handled = -1; // the step whose key the view has handled last
WNDPROC ViewProc;

// Read-only look into the cache: FindCachedImage would refresh the stamp.
bool IsCached(ComicBook *comic, int page)
{
    PageBox box;
    PageBoxInClient(&Document, &ViewState, page, &box);
    int w, h;
    PageDecodeSize(comic, page, box.w, box.h, &w, &h);
    for (int i = 0; i < DECODED_SLOT_COUNT; i++) {
        const PageImageSlot *slot = &comic->decodedSlots[i];
        if (slot->pixels && slot->page == (uint32_t)page && slot->width == w && slot->height == h) return true;
    }
    return false;
}

void OnPaint(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    RECT update;
    bool dirty = GetUpdateRect(hwnd, &update, FALSE);
    std::string pages;
    bool decoded = false;
    int first, last;
    if (dirty && Document.comic && VisiblePageRange(&Document, &ViewState, update.top, update.bottom, &first, &last)) {
        for (int i = first; i <= last; i++) {
            bool cached = IsCached(Document.comic, i);
            decoded = decoded || !cached;
            pages += (pages.empty() ? "" : " ") + std::to_string(i + 1) + (cached ? "c" : "d");
        }
    }
    LARGE_INTEGER start = Now();
    CallWindowProcW(ViewProc, hwnd, WM_PAINT, wParam, lParam);
    LARGE_INTEGER end = Now();
    if (Handled >= 0 && dirty) {
        StepRecord &r = Records[Handled];
        r.paintMs += Seconds(start, end) * 1000;
        r.answeredMs = Seconds(r.pressed, end) * 1000;
        r.paints++;
        r.decodedInPaint = r.decodedInPaint || decoded;
        if (!pages.empty()) r.pages += (r.pages.empty() ? "" : " ") + pages;
    }
}

LRESULT CALLBACK TimedViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        OnPaint(hwnd, wParam, lParam);
        return 0;
    }
    if (message == WM_KEYDOWN && wParam == VK_NEXT && Handled + 1 < (int)Records.size()) {
        Handled++;
        Records[Handled].workerOnMiniature = currentRequest && !currentRequest->toCache;
    }
    return CallWindowProcW(ViewProc, hwnd, message, wParam, lParam);
}

// What one page costs the decoder at the size the view draws it.
void ReportDecodeTime(void)
{
    PageBox box;
    PageBoxInClient(&Document, &ViewState, 0, &box);
    std::vector<BYTE> pixels((size_t)box.w * box.h * 4);
    std::vector<double> ms;
    for (int i = 0; i < 5; i++) {
        LARGE_INTEGER start = Now();
        DecodeImage(GetUiImagingFactory(), &Document.comic->entries[i], box.w, box.h, pixels.data(), NULL, NULL);
        ms.push_back(Seconds(start, Now()) * 1000);
    }
    printf("decoding one page at %d x %d: median %.1f ms, shortest %.1f ms\n", box.w, box.h, Median(ms), Smallest(ms));
}

struct Pace {
    const char *name;
    int intervalMs;
    int steps;
};

Pace CurrentPace;
DWORD UiThread;

// The reader: one press every interval, on the clock, whatever the program
// is doing; a press it is still busy with waits in its queue.
DWORD WINAPI Reader(LPVOID)
{
    Sleep(1000); // a reader looks at page 1 for a moment
    LARGE_INTEGER start = Now();
    for (int i = 0; i < CurrentPace.steps; i++) {
        double due = (i + 1) * CurrentPace.intervalMs / 1000.0;
        double wait = due - Seconds(start, Now());
        if (wait > 0) Sleep((DWORD)(wait * 1000));
        Records[i].pressed = Now();
        PostMessageW(ViewWindow, WM_KEYDOWN, VK_NEXT, 0);
    }
    Sleep(1500);
    PostThreadMessageW(UiThread, WM_QUIT, 0, 0);
    return 0;
}

void Report(const Pace &pace)
{
    printf("\n%s: one Page Down every %d ms, %d steps\n", pace.name, pace.intervalMs, pace.steps);
    printf("  step  paint ms  answered ms  pages drawn (c: from the cache, d: decoded in the paint)\n");
    int cachedAfterFirst = 0;
    std::vector<double> cachedPaints, decodedPaints;
    for (int i = 0; i < pace.steps; i++) {
        const StepRecord &r = Records[i];
        if (r.paints == 0) {
            // The program was still busy when this key came: its scroll was
            // painted together with a later one.
            printf("  %4d  no paint of its own, shown with a later step%s\n", i + 1,
                   r.workerOnMiniature ? "   (worker on a miniature at the press)" : "");
            continue;
        }
        printf("  %4d  %8.1f  %11.1f  %s%s\n", i + 1, r.paintMs, r.answeredMs, r.pages.c_str(),
               r.workerOnMiniature ? "   (worker on a miniature at the press)" : "");
        (r.decodedInPaint ? decodedPaints : cachedPaints).push_back(r.paintMs);
        if (i > 0 && !r.decodedInPaint) cachedAfterFirst++;
    }
    int answered = pace.steps - 1;
    printf("  steps after the first painted from the cache alone: %d of %d (%.0f%%; target 90%% at the reading pace)\n",
           cachedAfterFirst, answered, answered ? 100.0 * cachedAfterFirst / answered : 0);
    printf("  paint time, median / longest: from the cache %.1f / %.1f ms (%zu steps), decoding %.1f / %.1f ms (%zu)\n",
           Median(cachedPaints), cachedPaints.empty() ? 0 : *std::max_element(cachedPaints.begin(), cachedPaints.end()),
           cachedPaints.size(), Median(decodedPaints),
           decodedPaints.empty() ? 0 : *std::max_element(decodedPaints.begin(), decodedPaints.end()),
           decodedPaints.size());
    fflush(stdout);
}

// Opens the comic afresh (empty cache, page 1 at the top) and runs the
// program's message loop while the reader pages.
bool RunPace(const wchar_t *comic, const Pace &pace)
{
    OpenDocument(comic);
    if (!Document.comic) return false;
    Records.assign(pace.steps, StepRecord());
    Handled = -1;
    CurrentPace = pace;
    CloseHandle(CreateThread(NULL, 0, Reader, NULL, 0, NULL));
    RunMessageLoop();
    Report(pace);
    return true;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: PagingBench COMIC [STEPS] [READING_MS] [FAST_MS] [nothumbs]\n");
        return 2;
    }
    int steps = argc > 2 ? _wtoi(argv[2]) : 40;
    Pace paces[2] = {{"reading pace", argc > 3 ? _wtoi(argv[3]) : 1000, steps},
                     {"fast pace", argc > 4 ? _wtoi(argv[4]) : 250, steps}};
    bool thumbs = !(argc > 5 && lstrcmpW(argv[5], L"nothumbs") == 0);

    SettingsKeyPath = L"Software\\FolivexBench";
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    if (!thumbs) SetSetting(L"HideThumbs", 1);
    BuildProgramWindows(GetModuleHandleW(NULL));
    UiThread = GetCurrentThreadId();
    ShowWindow(MainWindow, SW_SHOW);
    UpdateWindow(MainWindow);
    ViewProc = (WNDPROC)SetWindowLongPtrW(ViewWindow, GWLP_WNDPROC, (LONG_PTR)TimedViewProc);
    printf("thumbnail panel %s; view %d x %d\n", thumbs ? "shown" : "hidden", ViewState.viewWidth,
           ViewState.viewHeight);
    OpenDocument(argv[1]);
    if (Document.comic) ReportDecodeTime();
    for (const Pace &pace : paces) {
        if (!RunPace(argv[1], pace)) {
            fprintf(stderr, "cannot open the comic\n");
            return 1;
        }
    }
    CloseDocument();
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    return 0;
}
