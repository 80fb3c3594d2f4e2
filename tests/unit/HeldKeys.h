// Modifier keys for code under test that reads GetKeyState: the keyboard
// state of this thread says Ctrl and Shift are down (or up) without any
// real input.
#pragma once
#include <windows.h>

inline void HoldModifiers(bool ctrl, bool shift)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_LCONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_LSHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}
