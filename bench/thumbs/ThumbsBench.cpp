// Thumbnail benchmark: does rendering miniatures in idle time slow the
// reader down? The program's own windows and message loop run on this
// process's main thread with a long, heavy PDF; a second thread plays the
// reader, pressing Page Down and timing the answer, in turns with the
// thumbnail panel hidden and shown. With the panel shown every press brings
// new miniatures into view, so most presses arrive while they are being
// made, and the render must give way. A third turn, panel hidden, keeps the
// UI thread busy with plain computation up to each press: a thread that was
// just working answers more slowly on a loaded machine than one that was
// asleep, whatever it worked on, and this turn shows how much.
//
//   ThumbsBench DOCUMENT [PRESSES_PER_ROUND] [ROUNDS]
//
// Times per press, from the key's arrival in the queue: until the view's
// window procedure gets it (the wait the miniatures can cause), until the
// title names the new page, and until the view has also been repainted.
// Medians per turn, their ratios, how often the progressive render paused,
// the longest stretches it ran between two pause checks, and what loading
// (parsing) one page costs, which the engine does in one piece.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "app/Settings.h"
#include "app/Shell.h"
#include "app/Startup.h"
#include "thumbs/Thumbs.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "view/ViewHooks.h"

namespace
{

// The view's client area in both modes: narrow enough that one Page Down
// always reaches the next page, so every press changes the title.
const int kViewWidth = 400;
const int kViewHeight = 700;

HANDLE TitleChanged;
LARGE_INTEGER TitleTime;
LARGE_INTEGER KeyTime;
WNDPROC ViewProc;
WNDPROC MainProc;
volatile LONG Pauses;
LARGE_INTEGER LastCheck;
std::vector<double> Slices; // ms between pause checks of one render
int PressesPerRound = 15;
int Rounds = 6;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

// Runs on the UI thread: the title has just settled on a new page.
void OnCurrentPageChanged(int page)
{
    TitleTime = Now();
    FollowCurrentPage(page);
    SetEvent(TitleChanged);
}

// WM_APP + 77 keeps the UI thread computing for wParam milliseconds.
LRESULT CALLBACK BusyMainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP + 77) return CallWindowProcW(MainProc, hwnd, message, wParam, lParam);
    LARGE_INTEGER start = Now();
    volatile double x = 1;
    while (Milliseconds(start, Now()) < (double)wParam) x = x * 1.0000001 + 1;
    return 0;
}

LRESULT CALLBACK TimedViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_NEXT) KeyTime = Now();
    return CallWindowProcW(ViewProc, hwnd, message, wParam, lParam);
}

// Runs on the UI thread inside the engine. A check right after a pause is
// the render resuming, not the end of a stretch of work.
FPDF_BOOL CountingPause(IFSDK_PAUSE *pause)
{
    static int resuming = 1;
    static int renderPage = -1;
    LARGE_INTEGER now = Now();
    if (!resuming && renderPage == ThumbRender.page) Slices.push_back(Milliseconds(LastCheck, now));
    FPDF_BOOL pausing = PauseIfInputPending(pause);
    if (pausing) InterlockedIncrement(&Pauses);
    resuming = pausing;
    renderPage = ThumbRender.page;
    LastCheck = Now();
    return pausing;
}

// The engine parses a page's content when it loads the page, in one call.
void ReportPageLoad(void)
{
    std::vector<double> loads;
    for (int i = 0; i < 10; i++) {
        LARGE_INTEGER start = Now();
        FPDF_PAGE page = FPDF_LoadPage(Document.pdf, 100 + i);
        loads.push_back(Milliseconds(start, Now()));
        FPDF_ClosePage(page);
    }
    std::sort(loads.begin(), loads.end());
    printf("loading one page: median %.1f ms, longest %.1f ms\n", loads[5], loads[9]);
}

// The view has nothing left to paint and the UI thread has come back to
// its queue, so the page is on screen.
void WaitUntilPainted(void)
{
    for (int i = 0; i < 2000 && GetUpdateRect(ViewWindow, NULL, FALSE); i++) Sleep(1);
    DWORD_PTR result;
    SendMessageTimeoutW(MainWindow, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

// Both modes get the same view size; the shown panel widens the window.
void SetMode(int shown)
{
    if (ThumbsState.shown != shown) SendMessageW(ViewWindow, WM_KEYDOWN, VK_F4, 0);
    RECT frame = {0, 0, kViewWidth + GetSystemMetrics(SM_CXVSCROLL) + ThumbsPanelWidth(), kViewHeight};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    SetWindowPos(MainWindow, NULL, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOMOVE);
    WaitUntilPainted();
}

struct Samples {
    std::vector<double> dispatched, title, painted;
    int duringRender = 0;
};

double Median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile90(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() * 9 / 10];
}

enum Turn { HIDDEN, SHOWN, BUSY };

// A reader presses at no particular moment: up to 40 ms after the page is
// on screen, while the miniatures the last press brought into the panel are
// loaded and rendered. 1 when the press finds a miniature render under way.
int PressAtRandom(int turn)
{
    if (turn == BUSY) {
        PostMessageW(MainWindow, WM_APP + 77, 30, 0);
        Sleep(1 + rand() % 20);
        return 0;
    }
    Sleep(rand() % 40);
    return turn == SHOWN && *(volatile int *)&ThumbRender.page >= 0;
}

// The reader goes on forward from round to round, so each round of the
// shown panel meets pages it has no miniatures of yet.
void PressPageDown(int turn, Samples *samples)
{
    if (ViewState.titlePage + 3 >= Document.pageCount) SendMessageW(ViewWindow, WM_KEYDOWN, VK_HOME, 0);
    WaitUntilPainted();
    samples->duringRender += PressAtRandom(turn);
    ResetEvent(TitleChanged);
    LARGE_INTEGER pressed = Now();
    PostMessageW(ViewWindow, WM_KEYDOWN, VK_NEXT, 0);
    if (WaitForSingleObject(TitleChanged, 10000) != WAIT_OBJECT_0) {
        fprintf(stderr, "Page Down did not change the title\n");
        return;
    }
    samples->dispatched.push_back(Milliseconds(pressed, KeyTime));
    samples->title.push_back(Milliseconds(pressed, TitleTime));
    WaitUntilPainted();
    samples->painted.push_back(Milliseconds(pressed, Now()));
}

void Report(const char *mode, const Samples &s)
{
    printf("%-28s %zu presses (%d during a miniature render), median / p90 in ms:\n", mode, s.title.size(),
           s.duringRender);
    printf("  key dispatched %7.2f / %7.2f   title changed %7.2f / %7.2f   view repainted %7.1f / %7.1f\n",
           Median(s.dispatched), Percentile90(s.dispatched), Median(s.title), Percentile90(s.title), Median(s.painted),
           Percentile90(s.painted));
}

double Ratio(const std::vector<double> &a, const std::vector<double> &b)
{
    return Median(a) / Median(b);
}

DWORD WINAPI Reader(LPVOID)
{
    Samples turns[3];
    srand(1);
    for (int round = 0; round < 3 * Rounds; round++) {
        int turn = round % 3;
        SetMode(turn == SHOWN);
        LONG pausesBefore = Pauses;
        for (int i = 0; i < PressesPerRound; i++) PressPageDown(turn, &turns[turn]);
        if (turn == SHOWN)
            printf("round %d: %ld pauses of the miniature render\n", round / 3 + 1, Pauses - pausesBefore);
    }
    SetMode(0); // no more rendering: Slices stays still
    Report("panel hidden", turns[HIDDEN]);
    Report("panel shown", turns[SHOWN]);
    Report("panel hidden, UI thread busy", turns[BUSY]);
    const Samples &h = turns[HIDDEN], &s = turns[SHOWN], &b = turns[BUSY];
    printf("shown / hidden (medians): key dispatched %.2f   title changed %.2f   view repainted %.2f\n",
           Ratio(s.dispatched, h.dispatched), Ratio(s.title, h.title), Ratio(s.painted, h.painted));
    printf("target, title changed within 1.20 x of the hidden panel's: %s\n",
           Ratio(s.title, h.title) <= 1.2 ? "met" : "NOT met");
    std::vector<double> shownHandling, busyHandling;
    for (size_t i = 0; i < s.title.size(); i++) shownHandling.push_back(s.title[i] - s.dispatched[i]);
    for (size_t i = 0; i < b.title.size(); i++) busyHandling.push_back(b.title[i] - b.dispatched[i]);
    printf("from dispatch to title (same code in every turn): shown %.2f ms, hidden and busy %.2f ms\n",
           Median(shownHandling), Median(busyHandling));
    printf("render ran between pause checks: median %.2f ms, p90 %.2f ms, longest %.2f ms (%zu stretches)\n",
           Median(Slices), Percentile90(Slices), Slices.empty() ? 0 : *std::max_element(Slices.begin(), Slices.end()),
           Slices.size());
    fflush(stdout);
    PostMessageW(MainWindow, WM_CLOSE, 0, 0);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: ThumbsBench DOCUMENT [PRESSES_PER_ROUND] [ROUNDS]\n");
        return 2;
    }
    if (argc > 2) PressesPerRound = _wtoi(argv[2]);
    if (argc > 3) Rounds = _wtoi(argv[3]);
    SettingsKeyPath = L"Software\\FolivexBench";
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    BuildProgramWindows(GetModuleHandleW(NULL));
    ViewHooks.currentPageChanged = OnCurrentPageChanged;
    ThumbRender.pause.NeedToPauseNow = CountingPause;
    TitleChanged = CreateEventW(NULL, TRUE, FALSE, NULL);
    ShowWindow(MainWindow, SW_SHOW);
    OpenDocument(argv[1]);
    if (!IsDocumentOpen()) {
        fprintf(stderr, "cannot open the document\n");
        return 1;
    }
    printf("%d pages, %d presses per round, %d rounds per mode\n", Document.pageCount, PressesPerRound, Rounds);
    ReportPageLoad();
    MainProc = (WNDPROC)SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, (LONG_PTR)BusyMainProc);
    ViewProc = (WNDPROC)SetWindowLongPtrW(ViewWindow, GWLP_WNDPROC, (LONG_PTR)TimedViewProc);
    CloseHandle(CreateThread(NULL, 0, Reader, NULL, 0, NULL));
    RunMessageLoop();
    CloseDocument();
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    return 0;
}
