// The five per-user choices, one REG_DWORD each under
// HKEY_CURRENT_USER\Software\Folivex. Nothing is cached.
#ifndef FOLIVEX_SETTINGS_H
#define FOLIVEX_SETTINGS_H

// The key the settings live under. Tests point it elsewhere so that they
// never disturb the settings of a real run.
extern const wchar_t *SettingsKeyPath;

// The value, or 0 when the key or value is absent, of another type, or
// unreadable.
int GetSetting(const wchar_t *name);

// Stores the value, creating the key when needed; failures are ignored.
void SetSetting(const wchar_t *name, int value);

#endif
