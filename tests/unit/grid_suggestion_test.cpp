// The grid table, band by band and kind by kind, and its properties.
#include <gtest/gtest.h>

#include "operations/grid_suggestion.h"

namespace {

struct Band {
  std::size_t from, to;
  GridSize full, tall, wide;
};

const Band kExpected[] = {
    {0, 2, {2, 2}, {1, 2}, {2, 1}},   {3, 4, {2, 2}, {1, 4}, {2, 2}},
    {5, 6, {2, 3}, {2, 3}, {2, 3}},   {7, 8, {2, 4}, {2, 4}, {2, 4}},
    {9, 10, {2, 5}, {2, 5}, {2, 5}},  {11, 12, {3, 4}, {2, 6}, {3, 4}},
    {13, 16, {4, 4}, {4, 4}, {4, 4}}, {17, 18, {3, 6}, {2, 9}, {3, 6}},
    {19, 20, {4, 5}, {4, 5}, {4, 5}}, {21, 21, {3, 7}, {3, 7}, {3, 7}},
    {22, 24, {4, 6}, {4, 6}, {4, 6}}, {25, 27, {3, 9}, {3, 9}, {3, 9}},
    {28, 30, {5, 6}, {5, 6}, {5, 6}}, {31, 32, {4, 8}, {4, 8}, {4, 8}},
    {33, 35, {5, 7}, {5, 7}, {5, 7}}, {36, 36, {6, 6}, {6, 6}, {6, 6}},
    {37, 40, {5, 8}, {5, 8}, {5, 8}}, {41, 42, {6, 7}, {6, 7}, {6, 7}},
    {43, 45, {5, 9}, {5, 9}, {5, 9}}, {46, 48, {6, 8}, {6, 8}, {6, 8}},
    {49, 54, {6, 9}, {6, 9}, {6, 9}},
};

// area: the index of the area combo box's item.
void ExpectGrid(std::size_t n, int area, GridSize expected) {
  const auto grid = SuggestedGrid(n, static_cast<ArrangeArea>(area));
  ASSERT_TRUE(grid.has_value()) << n << " terminals, area " << area;
  EXPECT_EQ(grid->columns, expected.columns) << n << " terminals, area " << area;
  EXPECT_EQ(grid->rows, expected.rows) << n << " terminals, area " << area;
}

TEST(GridSuggestion, EveryCountAndAreaFollowsTheTable) {
  for (const Band& band : kExpected) {
    for (std::size_t n = band.from; n <= band.to; ++n) {
      ExpectGrid(n, 0, band.full);
      ExpectGrid(n, 1, band.tall);
      ExpectGrid(n, 3, band.tall);
      ExpectGrid(n, 2, band.wide);
      ExpectGrid(n, 4, band.wide);
      ExpectGrid(n, -1, band.full);  // no selection in the area box counts as whole
      ExpectGrid(n, 5, band.full);
    }
  }
}

TEST(GridSuggestion, EveryGridHoldsItsTerminalsInSingleDigits) {
  for (std::size_t n = 0; n <= 54; ++n) {
    for (int area = 0; area <= 4; ++area) {
      const auto grid = SuggestedGrid(n, static_cast<ArrangeArea>(area));
      ASSERT_TRUE(grid.has_value());
      EXPECT_GE(static_cast<std::size_t>(grid->columns * grid->rows), n) << n << "/" << area;
      EXPECT_LE(grid->columns, 6);
      EXPECT_LE(grid->rows, 9);
      EXPECT_GE(grid->columns, 1);
    }
  }
}

TEST(GridSuggestion, FiftyFiveOrMoreSuggestNothing) {
  for (std::size_t n : {55u, 56u, 100u, 5000u}) {
    for (int area = 0; area <= 4; ++area) {
      EXPECT_FALSE(SuggestedGrid(n, static_cast<ArrangeArea>(area)).has_value()) << n << " terminals, area " << area;
    }
  }
}

}  // namespace
