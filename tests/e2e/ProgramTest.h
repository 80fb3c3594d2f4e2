// The fixture every end-to-end test starts from: the program's settings
// cleared, with the About window turned off because it would cover the view;
// after the test the program is ended if it still runs and the settings are
// cleared again, so no test sees another's choices.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/Driver.h"

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteSettings();
        WriteSetting(L"HideAboutOnStartup", 1);
    }
    void TearDown() override
    {
        StopApp(&app);
        DeleteSettings();
    }
    RunningApp app;
};

// A path as one command-line argument.
inline std::wstring Quoted(const std::wstring& path)
{
    return L"\"" + path + L"\"";
}
