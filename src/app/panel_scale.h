// The panel at the scale of the display its window is on: the font, and what a move to a
// display of another scale renews.
#pragma once

#include <windows.h>

// Makes the panel font for the window's DPI, gives it to the 19 lettered controls and deletes
// the font they had.
void ApplyPanelFont(HWND mainWindow);

// WM_DPICHANGED: the window has come onto a display of another scale.
LRESULT OnDpiChanged(HWND window, const RECT& suggested);
