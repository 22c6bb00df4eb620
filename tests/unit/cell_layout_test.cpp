// Cells as pixel rectangles worked out by hand, and counts as a user can type or paste them:
// none divides by zero, overflows (UBSan) or costs more than the terminals placed.
#include <gtest/gtest.h>

#include <vector>

#include "operations/cell_layout.h"

namespace {

constexpr int kMin = -2147483647 - 1, kMax = 2147483647;

TEST(CellLayout, CellsOfTheTerminalsInSelectionOrder) {
  const struct {
    CellRect work;
    ArrangeArea area;
    std::int64_t columns, rows;
    std::vector<CellRect> cells;  // one per terminal
  } cases[] = {
      {{0, 0, 1920, 1040},
       ArrangeArea::Whole,
       2,
       2,
       {{0, 0, 960, 520}, {960, 0, 1920, 520}, {0, 520, 960, 1040}, {960, 520, 1920, 1040}}},
      {{0, 0, 1921, 9}, ArrangeArea::RightHalf, 1, 1, {{960, 0, 1920, 9}}},  // column 1920 belongs to no half
      {{0, 30, 1280, 1025}, ArrangeArea::BottomHalf, 2, 1, {{0, 527, 640, 1024}}},
      {{-1025, -200, 0, 568}, ArrangeArea::RightHalf, 1, 2, {{-513, -200, -1, 184}, {-513, 184, -1, 568}}},
      {{-1024, 0, 0, 768}, ArrangeArea::TopHalf, 2, 1, {{-1024, 0, -512, 384}, {-512, 0, 0, 384}}},
      {{0, 0, 1280, 1024},
       ArrangeArea::LeftHalf,
       2,
       2,  // five in 2 x 2 take 2 x 5
       {{0, 0, 320, 204},
        {320, 0, 640, 204},
        {0, 204, 320, 408},
        {320, 204, 640, 408},
        {0, 408, 320, 612}}},
      {{0, 0, 1000, 900},
       ArrangeArea::Whole,
       2,
       0,
       {{0, 0, 500, 300}, {500, 0, 1000, 300}, {0, 300, 500, 600}}},
      {{0, 0, 1000, 900}, ArrangeArea::Whole, 0, 0, {}},  // nothing selected
      {{0, 0, 1000, 900}, ArrangeArea::Whole, -7, -2, {{0, 0, 1000, 450}, {0, 450, 1000, 900}}},
      {{0, 0, 1280, 1024}, ArrangeArea::Whole, 99999, 99999, {{0, 0, 1, 1}, {1, 0, 2, 1}}},
      {{0, 0, 2, 1}, ArrangeArea::Whole, 9, 9, {{0, 0, 1, 1}, {1, 0, 2, 1}, {0, 0, 1, 1}}},  // 2 pixels
      {{5, 5, 5, 5}, ArrangeArea::LeftHalf, 3, 0, {{5, 5, 6, 6}}},
      {{kMin, 0, kMax, 1}, ArrangeArea::Whole, kMin, kMax, {{kMin, 0, kMax, 1}}},
  };
  for (const auto& c : cases) {
    const CellGrid grid = PlanCells(c.work, c.area, c.columns, c.rows, c.cells.size());
    for (std::size_t i = 0; i < c.cells.size(); ++i) {
      const CellRect r = CellOf(grid, i), e = c.cells[i];
      EXPECT_TRUE(r.left == e.left && r.top == e.top && r.right == e.right && r.bottom == e.bottom)
          << "work area left " << c.work.left << ", cell " << i << ": " << r.left << ", " << r.top
          << ", " << r.right << ", " << r.bottom;
    }
  }
}

// Found by the fuzzer: a count past the int64 range read as negative, so no rows were added.
TEST(CellLayout, AnyTerminalCountGetsRowsDownToOnePixel) {
  const CellGrid grid = PlanCells({1280, 0, 2304, 768}, ArrangeArea::RightHalf, 99, 9, ~std::size_t{0});
  const CellRect r = CellOf(grid, 99 * 9);  // first cell of row 10, one pixel high
  EXPECT_TRUE(r.left == 1792 && r.top == 9 && r.right == 1797 && r.bottom == 10)
      << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
}

TEST(CellLayout, CountsAreReadLikeDecimalNumbers) {
  for (const auto& [text, value] : {std::pair<const char16_t*, std::int64_t>{u"12", 12},
                                    {u"  7x", 7},
                                    {u"\t+3", 3},
                                    {u"-4", -4},
                                    {u"", 0},
                                    {u"- 5", 0},
                                    {u"99999999999", kMax},
                                    {u"-99999999999", kMin}}) {
    EXPECT_EQ(ParseCount(text), value) << value;
  }
}

// A terminal that is in its cell once it answered is left there; one that resized itself on
// coming to a display of another scale is placed once more; one that did not answer, or is gone,
// is not placed again.
TEST(CellLayout, PlacedOnceMoreWhereItDidNotLand) {
  const CellRect cell{960, 0, 1920, 520}, grown{960, 0, 2400, 780}, shrunk{960, 0, 1600, 347};
  const struct {
    bool answers;
    std::optional<CellRect> landed;
    int placements;
  } cases[] = {
      {true, cell, 1}, {true, grown, 2}, {true, shrunk, 2}, {true, {}, 1}, {false, grown, 1}};
  for (const auto& c : cases) {
    int placed = 0, read = 0;
    const auto place = [&](const CellRect& at) { return ++placed, at == cell && c.answers; };
    const auto landed = [&] { return ++read, c.landed; };
    EXPECT_EQ(PlaceInCell(cell, place, landed), c.placements);
    EXPECT_EQ(placed, c.placements);
    EXPECT_EQ(read, c.answers ? 1 : 0);
  }
}

}  // namespace
