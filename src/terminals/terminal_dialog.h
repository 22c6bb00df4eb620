// Finding the modal dialog a terminal opens in answer to one of its commands (the paste
// confirmation, the window setup).
#pragma once

#include <windows.h>

// The terminal's enabled, visible pop-up, or nullptr while it shows none (also for a window
// that no longer exists). Never waits for the terminal.
HWND FindTerminalDialog(HWND terminal);
