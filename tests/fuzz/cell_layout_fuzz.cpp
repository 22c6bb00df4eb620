// For any work area, area item, typed counts and number of terminals: the grid has room for
// every terminal the typed columns have pixels for, each cell lies inside the covered area and no
// two cells overlap; counts that already hold every terminal are kept as typed.
#include <algorithm>

#include "fuzz_input.h"
#include "operations/cell_layout.h"

namespace {

// The covered part of the work area, worked out from the halves' definitions.
CellRect CoveredArea(CellRect work, ArrangeArea area) {
  const int64_t width = int64_t{work.right} - work.left, height = int64_t{work.bottom} - work.top;
  const auto at = [](int64_t v) { return static_cast<int>(v); };
  switch (area) {
    case ArrangeArea::LeftHalf: return {work.left, work.top, at(work.left + width / 2), work.bottom};
    case ArrangeArea::TopHalf: return {work.left, work.top, work.right, at(work.top + height / 2)};
    case ArrangeArea::RightHalf:
      return {at(work.left + width / 2), work.top, at(work.left + width / 2 * 2), work.bottom};
    case ArrangeArea::BottomHalf:
      return {work.left, at(work.top + height / 2), work.right, at(work.top + height / 2 * 2)};
    default: return work;
  }
}

bool Inside(CellRect cell, CellRect area) {
  return cell.left >= area.left && cell.top >= area.top && cell.right <= area.right &&
         cell.bottom <= area.bottom && cell.left < cell.right && cell.top < cell.bottom;
}

bool Overlap(CellRect a, CellRect b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  CellRect work{input.Number<int>(), input.Number<int>(), 0, 0};
  work.right = std::max(work.left, input.Number<int>());
  work.bottom = std::max(work.top, input.Number<int>());
  const auto area = static_cast<ArrangeArea>(input.Number<uint8_t>() % 6);  // 5: out of range, the whole area
  const int64_t columns = ParseCount(input.Text(20));
  const int64_t rows = ParseCount(input.Text(20));
  FUZZ_CHECK(columns >= INT32_MIN && columns <= INT32_MAX && rows >= INT32_MIN &&
             rows <= INT32_MAX);
  // Half the inputs place a few terminals, the other half any number at all.
  const auto raw = input.Number<size_t>();
  const size_t terminals = (raw & 1) ? raw : (raw >> 1) % 3000;

  const CellGrid grid = PlanCells(work, area, columns, rows, terminals);
  const CellRect covered = CoveredArea(work, area);
  const int64_t width = int64_t{covered.right} - covered.left;
  const int64_t height = int64_t{covered.bottom} - covered.top;
  FUZZ_CHECK(grid.columns >= 1 && grid.rows >= 1 && grid.cellWidth >= 1 && grid.cellHeight >= 1);
  if (width < 1 || height < 1) return 0;
  FUZZ_CHECK(grid.columns <= width && grid.rows <= height);
  const uint64_t cells = static_cast<uint64_t>(grid.columns) * static_cast<uint64_t>(grid.rows);
  // The typed columns stay (within the area's width); rows grow until every terminal has a cell
  // or the cells are one pixel high.
  FUZZ_CHECK(grid.columns == std::clamp<int64_t>(columns, 1, width));
  FUZZ_CHECK(cells >= std::min<uint64_t>(terminals, static_cast<uint64_t>(grid.columns) * height));
  if (columns >= 1 && rows >= 1 && columns <= width && rows <= height &&
      static_cast<uint64_t>(columns) * static_cast<uint64_t>(rows) >= terminals) {
    FUZZ_CHECK(grid.columns == columns && grid.rows == rows);
  }
  if (terminals == 0) return 0;
  const size_t a = input.Number<size_t>() % terminals, b = input.Number<size_t>() % terminals;
  const CellRect cellA = CellOf(grid, a), cellB = CellOf(grid, b);
  FUZZ_CHECK(Inside(cellA, covered) && Inside(cellB, covered));
  // Distinct terminals share a cell only once every cell is taken.
  if (a != b && a < cells && b < cells) FUZZ_CHECK(!Overlap(cellA, cellB));
  return 0;
}
