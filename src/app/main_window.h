// The program's one top-level window (its handle and module are in panel_state.h).
#pragma once

#include <windows.h>

// Outer size at creation, which is also the smallest size in full mode (at 96 DPI).
constexpr int kMainWindowWidth = 420;
constexpr int kMainWindowHeight = 370;

// Offers a message to the accelerator table against the main window: true when it was a command
// key, now carried out.
bool TranslateCommandKey(MSG& message);

// Posted once the window has first been painted: the start-up work that picture does not need.
constexpr UINT kFinishStartupMessage = WM_APP + 1;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
