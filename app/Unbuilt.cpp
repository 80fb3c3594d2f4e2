// Do-nothing stand-ins for the features not built yet, so that their keys,
// menu entries and hooks are wired and simply have no effect.
#include "Unbuilt.h"

void PrintDocument(void)
{
}

void ShowAboutWindow(void)
{
}

void OpenDefaultAppsSettings(void)
{
}

void CheckDefaultReader(void)
{
}
