// The context menu of the terminal list: save the selection as a group, recall, rename and
// remove groups.
#pragma once

#include <windows.h>

// At the screen point of a WM_CONTEXTMENU's lParam; at the list's corner when it came from
// the keyboard (-1).
void ShowGroupMenu(HWND terminalList, LPARAM position);
