// The arithmetic of tiling, free of <windows.h>: the part of a display's work area that an
// arrangement covers, the column and row counts it really uses, and each terminal's cell.
// Everything is computed in 64 bits, so no count typed or pasted into the boxes can overflow,
// and only the cells of the terminals being placed are ever computed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "operations/grid_suggestion.h"
#include "base/utf16.h"

// Left, top, right, bottom in virtual-screen pixels, the displays' own (physical) pixels.
struct CellRect {
  int left, top, right, bottom;
};
bool operator==(const CellRect& a, const CellRect& b);

struct CellGrid {
  std::int64_t x, y;  // top-left corner of the covered area
  std::int64_t columns, rows;
  std::int64_t cellWidth, cellHeight;
};

// A count box's text read as a number: leading white space skipped, an optional sign, then the
// digits up to the first other character; 0 when it does not begin with a number. Values past
// the 32-bit range are held at its ends.
std::int64_t ParseCount(Utf16View text);

// The grid for `terminals` terminals over `area` of the work area. Columns are at least 1 and
// at most the area's width in pixels. When columns x rows cells are fewer than the terminals,
// the rows become 2 x rows + the missing cells. Rows then are at least 1 and at most the area's
// height, so that no cell is narrower or lower than one pixel.
CellGrid PlanCells(CellRect workArea, ArrangeArea area, std::int64_t columns, std::int64_t rows,
                   std::size_t terminals);

// Cell `index`, row by row from the top-left. Only when the area has fewer pixels than there
// are terminals do later terminals share the cells of the first ones.
CellRect CellOf(const CellGrid& grid, std::size_t index);

// Puts a terminal into its cell with place, which tells whether the terminal has carried the
// placement out (it answered), then reads where it is with landed; where that is not the cell,
// it is placed once more. A terminal that comes onto a display of another scale may resize
// itself when it gets there (its own answer to the change of scale); placed again from there,
// it stays. A terminal that did not answer is not read. Returns the number of placements.
int PlaceInCell(const CellRect& cell, const std::function<bool(const CellRect&)>& place,
                const std::function<std::optional<CellRect>()>& landed);
