// The grid table. Every grid has at least as many cells as terminals; columns stay at most 6
// and rows at most 9, so each value is one digit. Halves that are tall (left, right) and wide
// (top, bottom) get their own shapes for small counts.
#include "operations/grid_suggestion.h"

namespace {

struct Band {
  std::size_t upTo;  // the band covers counts up to and including this one
  GridSize full, tall, wide;
};

constexpr Band kBands[] = {
    {2, {2, 2}, {1, 2}, {2, 1}},  {4, {2, 2}, {1, 4}, {2, 2}},  {6, {2, 3}, {2, 3}, {2, 3}},
    {8, {2, 4}, {2, 4}, {2, 4}},  {10, {2, 5}, {2, 5}, {2, 5}}, {12, {3, 4}, {2, 6}, {3, 4}},
    {16, {4, 4}, {4, 4}, {4, 4}}, {18, {3, 6}, {2, 9}, {3, 6}}, {20, {4, 5}, {4, 5}, {4, 5}},
    {21, {3, 7}, {3, 7}, {3, 7}}, {24, {4, 6}, {4, 6}, {4, 6}}, {27, {3, 9}, {3, 9}, {3, 9}},
    {30, {5, 6}, {5, 6}, {5, 6}}, {32, {4, 8}, {4, 8}, {4, 8}}, {35, {5, 7}, {5, 7}, {5, 7}},
    {36, {6, 6}, {6, 6}, {6, 6}}, {40, {5, 8}, {5, 8}, {5, 8}}, {42, {6, 7}, {6, 7}, {6, 7}},
    {45, {5, 9}, {5, 9}, {5, 9}}, {48, {6, 8}, {6, 8}, {6, 8}}, {54, {6, 9}, {6, 9}, {6, 9}},
};

}  // namespace

std::optional<GridSize> SuggestedGrid(std::size_t selectedCount, ArrangeArea area) {
  for (const Band& band : kBands) {
    if (selectedCount > band.upTo) continue;
    if (area == ArrangeArea::LeftHalf || area == ArrangeArea::RightHalf) return band.tall;
    if (area == ArrangeArea::TopHalf || area == ArrangeArea::BottomHalf) return band.wide;
    return band.full;
  }
  return std::nullopt;
}
