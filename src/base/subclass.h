// Putting a procedure of the program's own in front of a control's window procedure. Not
// through Common Controls' SetWindowSubclass: that looks its chain up in a window property at
// every message and again at every link, and under Wine each look is a round trip to the
// wineserver, which a list box filled row by row, or a panel whose controls repaint, pays for
// every message.
#pragma once

#include <windows.h>

// Sees every message first; data is what SubclassControl was given. What it does not consume it
// passes on with PassOn.
using ControlProc = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                DWORD_PTR data);

void SubclassControl(HWND control, ControlProc procedure, DWORD_PTR data = 0);

// The control's window procedure as it was before SubclassControl.
LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
