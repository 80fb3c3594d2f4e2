// The offer to become the default PDF reader. Windows lets no program
// choose itself: the most it may do is open the settings page where the
// user chooses, so that is what it offers, once per run, until declined.
#include <windows.h>
#include <shlwapi.h>

#include "../app/Settings.h"
#include "../app/Shell.h"
#include "About.h"

typedef HRESULT(WINAPI *AssocQueryStringWProc)(ASSOCF, ASSOCSTR, LPCWSTR, LPCWSTR, LPWSTR, DWORD *);
typedef HINSTANCE(WINAPI *ShellExecuteWProc)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

static int DefaultReaderAsked;

// Only the value's presence matters: whoever installed the program wrote
// it, and the settings page lists the program only then.
static int IsRegisteredIn(HKEY hive)
{
    return RegGetValueW(hive, L"Software\\Folivex\\Capabilities", L"ApplicationName", RRF_RT_REG_SZ, NULL, NULL,
                        NULL) == ERROR_SUCCESS;
}

const wchar_t *RegisteredAppKind(void)
{
    if (IsRegisteredIn(HKEY_CURRENT_USER)) return L"registeredAppUser";
    if (IsRegisteredIn(HKEY_LOCAL_MACHINE)) return L"registeredAppMachine";
    return NULL;
}

// Paths compare ignoring case, as Windows' file names do. Any failure
// counts as another program opening PDF files.
static int OpensPdfFiles(void)
{
    wchar_t self[260];
    if (!GetModuleFileNameW(NULL, self, 260)) return 0;
    AssocQueryStringWProc query = (AssocQueryStringWProc)(void *)GetProcFromLibrary("shlwapi", "AssocQueryStringW");
    if (!query) return 0;
    wchar_t handler[260];
    DWORD size = 260;
    if (query(0, ASSOCSTR_EXECUTABLE, L".pdf", NULL, handler, &size) != S_OK) return 0;
    return lstrcmpiW(handler, self) == 0;
}

void CheckDefaultReader(void)
{
    if (DefaultReaderAsked) return;
    // Never over the About window: closing it posts this check again.
    if (AboutWindow) return;
    if (GetSetting(L"NeverAskDefault")) return;
    if (!RegisteredAppKind()) return;
    if (OpensPdfFiles()) return;
    DefaultReaderAsked = 1;
    const wchar_t *question = Text(
        L"Folivex n'est pas votre lecteur PDF par d\u00e9faut.\n\nWindows ne laisse pas une application se "
        L"d\u00e9signer elle-m\u00eame. Ouvrir la page de Folivex dans les param\u00e8tres ? Il suffira d'y cliquer "
        L"sur \u00ab .pdf \u00bb puis de choisir Folivex.\n\nNon : ne plus demander. Le menu de la fen\u00eatre (clic "
        L"droit sur la barre de titre) le propose toujours.",
        L"Folivex is not your default PDF reader.\n\nWindows does not let an application make itself the default. "
        L"Open Folivex's page in Settings? Just click \".pdf\" there and choose Folivex.\n\nNo: do not ask again. The "
        L"window menu (right-click the title bar) still offers it.");
    if (MessageBoxW(MainWindow, question, L"Folivex", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        OpenDefaultAppsSettings();
    } else {
        SetSetting(L"NeverAskDefault", 1);
    }
}

// The text after "=" is the name the program is registered under.
void OpenDefaultAppsSettings(void)
{
    const wchar_t *kind = RegisteredAppKind();
    wchar_t target[64];
    if (kind) {
        wsprintfW(target, L"ms-settings:defaultapps?%s=Folivex", kind);
    } else {
        lstrcpyW(target, L"ms-settings:defaultapps");
    }
    ShellExecuteWProc shellExecute = (ShellExecuteWProc)(void *)GetProcFromLibrary("shell32", "ShellExecuteW");
    if (shellExecute) shellExecute(MainWindow, NULL, target, NULL, NULL, SW_SHOWNORMAL);
}
