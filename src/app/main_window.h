// The program's one top-level window and the module it belongs to.
#pragma once

#include <windows.h>

// Outer size at creation, which is also the smallest size in full mode.
constexpr int kMainWindowWidth = 420;
constexpr int kMainWindowHeight = 370;

extern HINSTANCE ModuleHandle;
// Set only when CreateWindowExW returns: code that runs during WM_CREATE uses the handle it
// was given instead.
extern HWND MainWindow;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
