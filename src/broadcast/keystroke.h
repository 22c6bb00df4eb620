// The command box and the keystroke broadcast: every key-down in the command box is posted,
// unchanged, to each selected terminal, as long as all of them are in the normal show state.
#pragma once

#include <windows.h>

// The command box broadcasts its key-downs and pastes on a right-click; a double-click runs
// onDoubleClick.
void InstallCommandBoxProc(HWND commandBox, void (*onDoubleClick)());

// False when any selected terminal is minimised or maximised (all of them are read).
bool AllSelectedNormal();

// The one warning the program shows: some selected terminal is not in the normal state.
void MinimizedWarning();
