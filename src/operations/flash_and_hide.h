// Operations on the selected terminals that do not move them: bring them forward and flash
// their captions (double-click in the list), flash only, minimise every other terminal.
#pragma once

#include <windows.h>

// A double-click in the terminal list runs FrontAndFlash; the list box never sees the second
// press. Its first press has already selected the row as a plain click does.
void InstallTerminalListProc(HWND terminalList);

void FrontAndFlash();
void FlashSelected();
void HideOthers();
