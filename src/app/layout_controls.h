// Places the controls for the main window's client size, on every WM_SIZE.
#pragma once

#include <windows.h>

LRESULT LayoutControls(int clientWidth, int clientHeight);
