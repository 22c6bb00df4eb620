// The window-operations group box and the controls in it that the operations read and write:
// the display and the area to tile over, and the column and row counts, which the grid
// suggestion writes and the arrangement reads.
#pragma once

#include <windows.h>

struct WindowOpsControls {
  HWND DisplayCombo;  // row i is display i of MonitorList
  HWND AreaCombo;     // row i is ArrangeArea i
  HWND ColumnsEdit;
  HWND RowsEdit;
};

// A selection change in either combo box reruns the grid suggestion.
void InstallWindowOpsGroupProc(HWND group);

// Handed over once by the panel, which keeps them.
void AttachWindowOpsControls(const WindowOpsControls* controls);
const WindowOpsControls& WindowOps();
