// Process entry of Folivex.exe. There is no C runtime start-up: the linker's
// entry symbol is FolivexEntry, which builds the windows, opens the document
// named on the command line, runs the message loop and ends the process.
#include <windows.h>

#include "../about/About.h"
#include "../view/Document.h"
#include "../view/Pdfium.h"
#include "../view/Title.h"
#include "Settings.h"
#include "Shell.h"
#include "Startup.h"

// The window is shown and painted before the document is opened, so a
// large file never delays the first sight of the program.
extern "C" void FolivexEntry(void)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    wchar_t *commandLine = GetCommandLineW();
    BuildProgramWindows(instance);
    wchar_t *argument = ParseCommandLine(commandLine);
    ShowWindow(MainWindow, SW_SHOWDEFAULT);
    UpdateWindow(MainWindow);
    if (*argument) {
        OpenDocument(argument);
    } else {
        UpdateTitle();
    }
    if (!GetSetting(L"HideAboutOnStartup")) ShowAboutWindow();
    PostMessageW(MainWindow, WM_APP_CHECK_DEFAULT, 0, 0);

    RunMessageLoop();

    CloseDocument();
    FPDF_DestroyLibrary();
    ExitProcess(0);
}
