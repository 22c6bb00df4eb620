// The column and row boxes of the window-operations group: the grid suggestion writes them,
// the arrangement reads them.
#pragma once

#include "operations/grid_suggestion.h"

// Writes the suggested columns and rows for the selection and the area into ColumnsEdit and
// RowsEdit; from 55 selected terminals on, both keep their text. A box that already shows its
// digit, as the suggestion last wrote it, is left alone.
void SuggestGrid();

// The area the suggestion is for, as AreaCombo shows it (the whole work area to begin with):
// remembered, then the suggestion reruns.
void SuggestGridFor(ArrangeArea area);

// The text of a box changed: the user's own text survives only until the next suggestion, which
// therefore writes both boxes again. The suggestion's own writes do not count.
void GridBoxEdited();
