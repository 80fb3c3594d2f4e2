/* A library of ours named like an optional system DLL. It exports nothing
** and only leaves a mark in the process that loads it. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void *reserved)
{
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) SetEnvironmentVariableW(L"FOLIVEX_PLANTED", L"loaded");
    return TRUE;
}
