// Compact mode: only the command-box row stays visible and the window is 95 pixels high (at
// 96 DPI).
#pragma once

#include <windows.h>

constexpr int kCompactHeight = 95;

void ToggleCompactMode();

// A double-click on the list caption toggles compact mode.
void InstallListCaptionProc(HWND listCaption);
