// The system menu's switch for the frames around the selected terminals: a checked item after
// Flockhand's other items, kept in fkh.ini.
#pragma once

#include <windows.h>

// Reads the setting, appends the item with its check mark and switches the frames accordingly.
// Runs once the settings path is known.
void AppendFramesMenuItem(HWND window);
// The item was chosen: frames off if they were on and on if off, the mark and the file with them.
void ToggleFramesMenuItem(HWND window);
