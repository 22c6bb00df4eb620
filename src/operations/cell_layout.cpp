// Cell arithmetic; see cell_layout.h. Halves are taken by integer division, so with an odd width
// or height the last pixel column or row of the work area belongs to no half; what the division
// into cells leaves over at the right and bottom edges stays uncovered too.
#include "operations/cell_layout.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

bool IsWhiteSpace(Utf16Unit unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

int ToInt(std::int64_t value) { return static_cast<int>(std::clamp(value, kIntMin, kIntMax)); }

}  // namespace

std::int64_t ParseCount(Utf16View text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == u'-';
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = std::min(value * 10 + (text[i] - u'0'), kIntMax + 1);
  }
  return negative ? std::max(-value, kIntMin) : std::min(value, kIntMax);
}

CellGrid PlanCells(CellRect workArea, ArrangeArea area, std::int64_t columns, std::int64_t rows,
                   std::size_t terminals) {
  CellGrid grid{};
  grid.x = workArea.left;
  grid.y = workArea.top;
  std::int64_t width = std::int64_t{workArea.right} - workArea.left;
  std::int64_t height = std::int64_t{workArea.bottom} - workArea.top;
  switch (area) {
    case ArrangeArea::LeftHalf: width /= 2; break;
    case ArrangeArea::TopHalf: height /= 2; break;
    case ArrangeArea::RightHalf:
      grid.x += width / 2;
      width /= 2;
      break;
    case ArrangeArea::BottomHalf:
      grid.y += height / 2;
      height /= 2;
      break;
    default: break;
  }
  // Far more terminals than any desktop holds; the bound keeps a count near the top of size_t
  // from turning negative here and the sums below within 64 bits.
  const auto n = static_cast<std::int64_t>(std::min(terminals, std::size_t{1} << 62));
  grid.columns = std::clamp(columns, std::int64_t{1}, std::max(width, std::int64_t{1}));
  grid.rows = std::clamp(rows, std::int64_t{0}, kIntMax);
  if (grid.columns * grid.rows < n) grid.rows = 2 * grid.rows + (n - grid.columns * grid.rows);
  grid.rows = std::clamp(grid.rows, std::int64_t{1}, std::max(height, std::int64_t{1}));
  grid.cellWidth = std::max(width / grid.columns, std::int64_t{1});
  grid.cellHeight = std::max(height / grid.rows, std::int64_t{1});
  return grid;
}

CellRect CellOf(const CellGrid& grid, std::size_t index) {
  const auto slot =
      static_cast<std::int64_t>(index % static_cast<std::uint64_t>(grid.columns * grid.rows));
  const std::int64_t left = grid.x + slot % grid.columns * grid.cellWidth;
  const std::int64_t top = grid.y + slot / grid.columns * grid.cellHeight;
  return {ToInt(left), ToInt(top), ToInt(left + grid.cellWidth), ToInt(top + grid.cellHeight)};
}

bool operator==(const CellRect& a, const CellRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int PlaceInCell(const CellRect& cell, const std::function<bool(const CellRect&)>& place,
                const std::function<std::optional<CellRect>()>& landed) {
  if (!place(cell)) return 1;
  const std::optional<CellRect> where = landed();
  if (!where || *where == cell) return 1;
  place(cell);
  return 2;
}
