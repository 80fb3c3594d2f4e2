// Settings store: DWORD values under HKCU\Software\Folivex.
#include <windows.h>

#include "Settings.h"

const wchar_t *SettingsKeyPath = L"Software\\Folivex";

// RRF_RT_REG_DWORD makes the read fail for any value that is not a DWORD.
// The result is checked rather than trusting the buffer: a refused read may
// still have copied the other type's bytes into it. 0 is every default.
int GetSetting(const wchar_t *name)
{
    DWORD value = 0;
    DWORD size = 4;
    if (RegGetValueW(HKEY_CURRENT_USER, SettingsKeyPath, name, RRF_RT_REG_DWORD, NULL, &value, &size) !=
        ERROR_SUCCESS) {
        return 0;
    }
    return (int)value;
}

// A failed write leaves the in-memory choice in force for this run only.
void SetSetting(const wchar_t *name, int value)
{
    DWORD data = (DWORD)value;
    RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyPath, name, REG_DWORD, &data, 4);
}
