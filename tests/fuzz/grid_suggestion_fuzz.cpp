// A suggestion exists below 55 terminals only, always has room for every terminal, and fits
// one digit in each box.
#include "fuzz_input.h"
#include "operations/grid_suggestion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  // Half the inputs count a few terminals, the other half any number at all.
  const auto raw = input.Number<size_t>();
  const size_t count = (raw & 1) ? raw : (raw >> 1) % 64;
  const auto area = input.Number<int>();
  const auto grid = SuggestedGrid(count, static_cast<ArrangeArea>(area));
  FUZZ_CHECK(grid.has_value() == (count < 55));
  if (!grid) return 0;
  FUZZ_CHECK(grid->columns >= 1 && grid->columns <= 6);
  FUZZ_CHECK(grid->rows >= 1 && grid->rows <= 9);
  FUZZ_CHECK(static_cast<size_t>(grid->columns * grid->rows) >= count);
  // An area index out of range counts as the whole work area.
  if (area < 0 || area > 4) {
    const auto whole = SuggestedGrid(count, ArrangeArea::Whole);
    FUZZ_CHECK(whole->columns == grid->columns && whole->rows == grid->rows);
  }
  return 0;
}
