// The system menu's switch for the list that keeps itself current: a checked item after the
// frames' item, kept in fkh.ini, off until the user turns it on.
#pragma once

#include <windows.h>

// Reads the setting, appends the item with its check mark and starts following the desktop if
// it is on. Runs once the settings path is known, after the frames' item.
void AppendLiveListMenuItem(HWND window);
// The item was chosen: the switch, its mark and the file change together.
void ToggleLiveListMenuItem(HWND window);
