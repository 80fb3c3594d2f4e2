// The build puts a gdiplus.dll of our own (PlantedLibrary.c) beside this
// test. The program loads its optional system libraries by name, and must
// get the system's, whatever lies beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/Shell.h"

static bool PlantedLibraryLoaded()
{
    return GetEnvironmentVariableW(L"FOLIVEX_PLANTED", NULL, 0) != 0;
}

TEST(PlantedLibrary, IsFoundByABareNameButNotByTheProgram)
{
    // The control: a plain load by name finds the planted library first.
    HMODULE bare = LoadLibraryA("gdiplus");
    ASSERT_TRUE(bare);
    ASSERT_TRUE(PlantedLibraryLoaded());
    FreeLibrary(bare);
    SetEnvironmentVariableW(L"FOLIVEX_PLANTED", NULL);
    ASSERT_FALSE(GetModuleHandleW(L"gdiplus")) << "the planted library stayed loaded";

    // The planted library exports nothing: a function found is the system's.
    EXPECT_TRUE(GetProcFromLibrary("gdiplus", "GdiplusStartup"));
    EXPECT_FALSE(PlantedLibraryLoaded());
}
