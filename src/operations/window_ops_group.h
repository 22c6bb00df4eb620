// The window-operations group box: the combo boxes' notifications reach it.
#pragma once

#include <windows.h>

// A selection change in either combo box reruns the grid suggestion.
void InstallWindowOpsGroupProc(HWND group);
