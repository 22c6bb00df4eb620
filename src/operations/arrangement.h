// Tiling the selected terminals over the display chosen in DisplayCombo, or over the half of it
// chosen in AreaCombo, in a grid of the counts in ColumnsEdit and RowsEdit.
#pragma once

#include "operations/grid_suggestion.h"

// Places the selected terminals in the cells row by row, in selection order, restores and raises
// each, then brings Flockhand back to the front.
void ArrangeTerminals();

// The quick-arrange keys: choose the area, suggest the grid for it, arrange.
void QuickArrange(ArrangeArea area);
