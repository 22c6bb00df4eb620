// Places the controls for the main window's client size and DPI, on every WM_SIZE.
#pragma once

#include <windows.h>

LRESULT LayoutControls(HWND window, int clientWidth, int clientHeight);

// Places the nine controls that keep their place at every size where they go at dpi.
void PlaceFixedControls(int dpi);
