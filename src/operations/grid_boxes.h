// The column and row boxes of the window-operations group: the grid suggestion writes them,
// the arrangement reads them.
#pragma once

// Writes the suggested columns and rows for the selection and the area into ColumnsEdit and
// RowsEdit; from 55 selected terminals on, both keep their text.
void SuggestGrid();
