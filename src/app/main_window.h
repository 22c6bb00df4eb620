// The program's one top-level window (its handle and module are in panel_state.h).
#pragma once

#include <windows.h>

// Outer size at creation, which is also the smallest size in full mode (at 96 DPI).
constexpr int kMainWindowWidth = 420;
constexpr int kMainWindowHeight = 370;

// True while the message loop has a key translated by the accelerator table. A command that is
// also a system-menu item then arrives as WM_SYSCOMMAND, sent from within the translation; its
// parameters do not tell it apart reliably (Wine marks it in lParam, where a menu choice puts
// the cursor position).
extern bool TranslatingAccelerator;

// Posted once the window has first been painted: the start-up work that picture does not need.
constexpr UINT kFinishStartupMessage = WM_APP + 1;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
