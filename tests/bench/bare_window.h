// The start-up baselines' common part: a 420x370 window (at 96 DPI) of Flockhand's style with a
// window procedure that only paints and quits, and the message loop.
#pragma once

#include <windows.h>

// Paints nothing and ends the message loop when the window is destroyed.
LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers windowClass with procedure and creates the (still hidden) window; null on failure.
HWND CreateBareWindow(HINSTANCE instance, const wchar_t* windowClass,
                      WNDPROC procedure = BareWindowProc, DWORD exStyle = 0);

// Shows and paints the window, then runs the message loop until WM_QUIT.
int ShowAndRun(HWND window, int showCommand);
