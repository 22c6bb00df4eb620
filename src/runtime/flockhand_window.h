// Flockhand's main window and its command box as the operations know them: what owns their
// dialogs, the window that takes the foreground back and whose keys and close button
// reach a running operation, and the box the keys go to when it is over. The panel, which keeps
// both, says where once, when the main window is being created; both are null before.
#pragma once

#include <windows.h>

void AttachFlockhandWindow(const HWND* mainWindow, const HWND* commandBox);

HWND FlockhandWindow();
HWND FlockhandCommandBox();
