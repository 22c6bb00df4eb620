// The suggested grid (columns x rows) for a number of selected terminals and an arrangement
// area, from a fixed table. Free of <windows.h>.
#pragma once

#include <cstddef>
#include <optional>

// The item index of the area combo box. Any other index (-1 for no selection) counts as whole.
enum class ArrangeArea { Whole = 0, LeftHalf = 1, TopHalf = 2, RightHalf = 3, BottomHalf = 4 };

struct GridSize {
  int columns;
  int rows;
};

// No suggestion for 55 or more terminals: the caller leaves the boxes as they are.
std::optional<GridSize> SuggestedGrid(std::size_t selectedCount, ArrangeArea area);
