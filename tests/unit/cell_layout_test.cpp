// Cells of an arrangement as pixel rectangles worked out by hand, and the counts that a user can
// type or paste: none divides by zero, overflows or costs more than the terminals placed.
#include <gtest/gtest.h>

#include <vector>

#include "operations/cell_layout.h"

static bool operator==(const CellRect& a, const CellRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const CellRect& r) {
  return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

TEST(CellLayout, CellsOfTerminalsInSelectionOrder) {
  const struct {
    const char* name;
    CellRect work;
    ArrangeArea area;
    std::int64_t columns, rows;
    std::vector<CellRect> cells;  // one per terminal
  } cases[] = {
      {"full 2x2",
       {0, 0, 1920, 1040},
       kWholeArea,
       2,
       2,
       {{0, 0, 960, 520}, {960, 0, 1920, 520}, {0, 520, 960, 1040}, {960, 520, 1920, 1040}}},
      {"right half of an odd width", {0, 0, 1921, 1000}, kRightHalf, 1, 1, {{960, 0, 1920, 1000}}},
      {"left half of an odd width", {0, 0, 1921, 1000}, kLeftHalf, 1, 1, {{0, 0, 960, 1000}}},
      {"second display, fewer terminals than cells",
       {1280, 0, 2304, 768},
       kWholeArea,
       2,
       2,
       {{1280, 0, 1792, 384}, {1792, 0, 2304, 384}, {1280, 384, 1792, 768}}},
      {"task bar at the top, bottom half of an odd height",
       {0, 30, 1280, 1025},
       kBottomHalf,
       2,
       1,
       {{0, 527, 640, 1024}, {640, 527, 1280, 1024}}},
      {"display left of the primary, right half",
       {-1025, -200, 0, 568},
       kRightHalf,
       1,
       2,
       {{-513, -200, -1, 184}, {-513, 184, -1, 568}}},
      {"display left of the primary, top half",
       {-1024, 0, 0, 768},
       kTopHalf,
       2,
       1,
       {{-1024, 0, -512, 384}, {-512, 0, 0, 384}}},
      {"5 terminals in 2x2 become 2x5",
       {0, 0, 1280, 1024},
       kWholeArea,
       2,
       2,
       {{0, 0, 640, 204},
        {640, 0, 1280, 204},
        {0, 204, 640, 408},
        {640, 204, 1280, 408},
        {0, 408, 640, 612}}},
      {"rows 0 become one per terminal",
       {0, 0, 1000, 900},
       kWholeArea,
       2,
       0,
       {{0, 0, 500, 300}, {500, 0, 1000, 300}, {0, 300, 500, 600}}},
      {"columns 0 and below count as one",
       {0, 0, 1000, 900},
       kWholeArea,
       -7,
       -2,
       {{0, 0, 1000, 450}, {0, 450, 1000, 900}}},
      {"99999 x 99999: one-pixel cells",
       {0, 0, 1280, 1024},
       kWholeArea,
       99999,
       99999,
       {{0, 0, 1, 1}, {1, 0, 2, 1}, {2, 0, 3, 1}}},
      {"an area without pixels still gives one-pixel cells",
       {5, 5, 5, 5},
       kLeftHalf,
       3,
       0,
       {{5, 5, 6, 6}, {5, 5, 6, 6}}},
      {"more terminals than pixels share cells",
       {0, 0, 2, 1},
       kWholeArea,
       9,
       9,
       {{0, 0, 1, 1}, {1, 0, 2, 1}, {0, 0, 1, 1}}},
  };
  for (const auto& c : cases) {
    const CellGrid grid = PlanCells(c.work, c.area, c.columns, c.rows, c.cells.size());
    for (std::size_t i = 0; i < c.cells.size(); ++i) {
      EXPECT_EQ(CellOf(grid, i), c.cells[i]) << c.name << ", terminal " << i;
    }
  }
}

TEST(CellLayout, NoTerminalsAndExtremeCountsNeitherDivideByZeroNorOverflow) {
  for (const std::int64_t count :
       {std::int64_t{0}, std::int64_t{-2147483648}, ParseCount(u"9999999999")}) {
    const CellGrid grid =
        PlanCells({-2147483647 - 1, 0, 2147483647, 1}, kWholeArea, count, count, 0);
    EXPECT_GE(grid.cellWidth, 1);
    EXPECT_GE(grid.cellHeight, 1);
    EXPECT_EQ(CellOf(grid, 0).left, -2147483647 - 1);
  }
}

TEST(CellLayout, CountsAreReadLikeDecimalNumbers) {
  const struct {
    const char16_t* text;
    std::int64_t value;
  } cases[] = {{u"12", 12},
               {u"  7x", 7},
               {u"\t+3", 3},
               {u"-4", -4},
               {u"", 0},
               {u"abc", 0},
               {u"- 5", 0},
               {u"007", 7},
               {u"99999999999", 2147483647},
               {u"-99999999999", -2147483647 - 1},
               {u"2147483647", 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(ParseCount(c.text), c.value) << c.value;
}

}  // namespace
