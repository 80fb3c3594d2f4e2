// Shared set-up for the reader's unit tests: the real windows of the
// program (created hidden, once per test executable), synthetic documents
// for the layout arithmetic, real fixture PDFs, and held modifier keys.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// Creates the program's windows and starts the PDF engine the first time it
// is called; points the settings at a key of the tests' own.
void EnsureReaderWindows();

// The settings key the tests use instead of the program's.
extern const wchar_t kTestSettingsKey[];
void DeleteTestSettings();

// A fixture document in FOLIVEX_FIXTURES.
std::wstring FixturePath(const wchar_t *name);
bool FixtureExists(const wchar_t *name);

// Replaces the open document with synthetic page sizes (points) and no
// engine behind it, for the layout and title arithmetic. The window
// handles are hidden from the code under test meanwhile, so nothing is
// painted and no window call is made. RestoreFromSynthetic undoes both.
void UseSyntheticPages(const std::vector<std::pair<double, double>> &sizes);
void UseUniformPages(int count, double width, double height);
void RestoreFromSynthetic();

// Resets the view state to a fresh run's: zoom 1, fit-width, nothing
// scrolled, single pages with the cover alone.
void ResetViewState(int viewWidth, int viewHeight);

// HoldModifiers: Ctrl and Shift held or released for GetKeyState.
#include "tests/unit/HeldKeys.h"

// Collects open errors instead of showing message boxes.
extern std::vector<int> ReportedOpenErrors;
void CollectOpenErrors();

// Pumps the thread's pending messages.
void PumpMessages();

std::wstring MainTitle();
