// FolivexSnapshot FILE OUT.png: runs Folivex.exe on FILE (or with no
// document when FILE is "-"), waits until the window has painted and holds
// still, saves the whole window as a PNG and closes the program. tools/run.sh
// uses it when there is no display to show the window on.
#include "tests/e2e/Driver.h"

#include <stdio.h>

// Two captures in a row that are equal mean painting has finished.
static bool CaptureWhenStill(HWND hwnd, Screenshot* shot)
{
    Screenshot previous;
    for (int attempt = 0; attempt < 100; attempt++) {
        Sleep(100);
        if (!CaptureWindow(hwnd, shot)) return false;
        if (attempt > 0 && shot->pixels == previous.pixels) return true;
        previous = *shot;
    }
    return true;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: FolivexSnapshot FILE|- OUT.png\n");
        return 2;
    }
    std::wstring args;
    if (lstrcmpW(argv[1], L"-") != 0) args = L"\"" + std::wstring(argv[1]) + L"\"";
    RunningApp app;
    if (!StartApp(&app, args)) return 1;
    Settle(&app);
    Screenshot shot;
    bool ok = CaptureWhenStill(app.main, &shot) && SavePng(shot, argv[2]);
    fwprintf(stdout, L"title: %ls\n", WindowTitle(app.main).c_str());
    PressKey(&app, 'W', true);
    if (WaitForExit(&app, 5000) == WAIT_TIMEOUT) StopApp(&app);
    StopApp(&app);
    return ok ? 0 : 1;
}
