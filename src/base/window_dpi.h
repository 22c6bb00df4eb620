// The DPI a window is drawn at. The program is per-monitor DPI aware (its manifest says so):
// the system scales nothing of it, and a window moved to a display of another scale is told so
// with WM_DPICHANGED.
#pragma once

#include <windows.h>

// The system DPI, at which the stock objects and system metrics are made.
int SystemDpi();

// The DPI of the display the window is on (Windows 10 1607 and later); before that, the system
// DPI, which is then every window's.
int WindowDpi(HWND window);
