// Starting a program and timing it until its window shows what is wanted,
// for the benchmarks that measure whole processes (start-up, opening).
// Header only: each benchmark is one executable.
#pragma once
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

inline LARGE_INTEGER Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    if (n == 0) return -1;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double Smallest(const std::vector<double> &values)
{
    return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

struct WindowSearch {
    DWORD pid;
    const wchar_t *className;
    HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
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

inline HWND FindProcessWindow(DWORD pid, const wchar_t *className)
{
    WindowSearch search = {pid, className, NULL};
    EnumWindows(MatchWindow, (LPARAM)&search);
    return search.found;
}

inline std::wstring Title(HWND hwnd)
{
    wchar_t text[512];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, (LPARAM)text, SMTO_NORMAL, 5000, &length)) return L"";
    return std::wstring(text, length);
}

// Nonzero once the program has handled everything queued so far and the
// window has nothing left to paint.
inline bool PaintedOut(HWND top, HWND painted)
{
    DWORD_PTR result;
    if (!SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result)) return false;
    return !GetUpdateRect(painted, NULL, FALSE);
}

struct LaunchTarget {
    std::wstring exe;
    std::wstring argument;     // the document, or empty
    const wchar_t *className;  // of the top-level window
    const wchar_t *childClass; // the child that must be painted, or null for the top-level window
    std::wstring wantedTitle;  // empty: any title
    bool untilPainted;         // false: the title is enough
};

// Starts exe with the command line (which CreateProcessW may write to).
inline bool StartProcess(const std::wstring &exe, const std::wstring &line, PROCESS_INFORMATION *info)
{
    std::vector<wchar_t> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(exe.c_str(), mutableLine.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, info) != 0;
}

// Seconds from CreateProcess until the target's window has the wanted
// title (and, if asked, is painted), or -1. The process is ended then.
inline double MeasureStart(const LaunchTarget &target)
{
    std::wstring line = L"\"" + target.exe + L"\"";
    if (!target.argument.empty()) line += L" \"" + target.argument + L"\"";
    PROCESS_INFORMATION info;
    LARGE_INTEGER start = Now();
    if (!StartProcess(target.exe, line, &info)) {
        fprintf(stderr, "cannot start %ls (%lu)\n", target.exe.c_str(), GetLastError());
        return -1;
    }
    double elapsed = -1;
    DWORD began = GetTickCount();
    while (GetTickCount() - began < 30000) {
        HWND top = FindProcessWindow(info.dwProcessId, target.className);
        if (top) {
            HWND painted = target.childClass ? FindWindowExW(top, NULL, target.childClass, NULL) : top;
            if (painted && (target.wantedTitle.empty() || Title(top) == target.wantedTitle) &&
                (!target.untilPainted || PaintedOut(top, painted))) {
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

inline std::wstring FileName(const std::wstring &path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}
