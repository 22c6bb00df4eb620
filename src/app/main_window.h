// The program's one top-level window (its handle and module are declared in panel.h).
#pragma once

#include <windows.h>

// Outer size at creation, which is also the smallest size in full mode.
constexpr int kMainWindowWidth = 420;
constexpr int kMainWindowHeight = 370;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
