// A switch of the system menu: a string item with a check mark, for the modes Flockhand keeps in
// fkh.ini (the frames, the live list).
#pragma once

#include <windows.h>

// Inserts the item at position, checked or not.
void InsertSwitchItem(HWND window, UINT position, UINT id, const wchar_t* text, bool checked);

// Shows the item's mark as checked says.
void ShowSwitchMark(HWND window, UINT id, bool checked);
