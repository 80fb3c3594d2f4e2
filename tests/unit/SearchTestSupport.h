// Shared set-up of the search and link tests: the program's real windows
// (hidden), the PDF engine, fixture documents, and hooks that record beeps,
// open errors and the addresses links would open.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "app/Shell.h"
#include "links/Links.h"
#include "search/Search.h"
#include "view/Document.h"
#include "view/Layout.h"
#include "tests/unit/HeldKeys.h"
#include "view/Pdfium.h"

namespace searchtest {

inline int &Beeps()
{
    static int count;
    return count;
}

inline std::vector<std::wstring> &OpenedUris()
{
    static std::vector<std::wstring> uris;
    return uris;
}

inline std::vector<int> &OpenErrors()
{
    static std::vector<int> errors;
    return errors;
}

inline void CountBeep()
{
    Beeps()++;
}

inline void RecordUri(const wchar_t *uri)
{
    OpenedUris().push_back(uri);
}

inline void RecordOpenError(int error)
{
    OpenErrors().push_back(error);
}

// Creates the windows and starts the engine once per executable.
inline void EnsureWindows()
{
    static bool done = false;
    if (done) return;
    done = true;
    SettingsKeyPath = L"Software\\FolivexSearchTests";
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath);
    BuildProgramWindows(GetModuleHandleW(NULL));
    SearchBeepHook = CountBeep;
    OpenUriHook = RecordUri;
    OpenErrorHook = RecordOpenError;
}

inline std::wstring FixturePath(const wchar_t *name)
{
    wchar_t dir[1024] = L"";
    GetEnvironmentVariableW(L"FOLIVEX_FIXTURES", dir, 1024);
    return std::wstring(dir) + L"\\" + name;
}

// Opens a fixture in a view of a known size, fitted to the width, at the
// top, with no search hit, the bar hidden and empty.
inline bool OpenFixture(const wchar_t *name, int viewWidth = 800, int viewHeight = 600)
{
    EnsureWindows();
    ShowWindow(SearchEdit, SW_HIDE);
    SetWindowTextW(SearchEdit, L"");
    OpenErrors().clear();
    OpenDocument(FixturePath(name).c_str());
    if (!Document.pdf || !OpenErrors().empty()) return false;
    ViewState.doublePage = 0;
    ViewState.viewWidth = viewWidth;
    ViewState.viewHeight = viewHeight;
    ViewState.fitWidth = 1;
    LayoutPages(0, 0);
    ScrollViewTo(0, 0);
    Beeps() = 0;
    OpenedUris().clear();
    return true;
}

}  // namespace searchtest
