// The window-operations group box: the combo boxes' notifications reach it, and the grid
// suggestion writes its column and row boxes.
#pragma once

#include <windows.h>

// Writes the suggested columns and rows for the selection and the area into ColumnsEdit and
// RowsEdit; from 55 selected terminals on, both keep their text.
void SuggestGrid();

// A selection change in either combo box reruns the suggestion.
void InstallWindowOpsGroupProc(HWND group);
