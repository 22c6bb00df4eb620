// Builds the 21 controls of the main window (their handles are in panel_state.h).
#pragma once

#include <windows.h>

// Creates every control, its subclass procedure, its tooltip and the font. Runs inside
// WM_CREATE, so it takes the window being created: Panel.MainWindow is not yet set.
void BuildControlPanel(HWND mainWindow);
