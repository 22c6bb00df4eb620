// The suggested grid (columns x rows) for a number of selected terminals and an arrangement
// area, from a fixed table. Free of <windows.h>.
#pragma once

#include <cstddef>
#include <optional>

// The item index of the area combo box: 0 whole work area, 1 left half, 2 top half,
// 3 right half, 4 bottom half. Any other value (-1 for no selection) counts as whole.
using ArrangeArea = int;

struct GridSize {
  int columns;
  int rows;
};

// No suggestion for 55 or more terminals: the caller leaves the boxes as they are.
std::optional<GridSize> SuggestedGrid(std::size_t selectedCount, ArrangeArea area);
