// The table flockhand_bench prints: medians, ratios and PASS or MISS per target.
#pragma once

#include <vector>

#include "measure.h"

namespace bench {

// results have targets; references are printed below them without one.
void PrintTable(const std::vector<Comparison>& results, const std::vector<Comparison>& references);

// Flockhand's median of each comparison in `large` over the same one in `small`, against
// `target` (4 would be linear in the number of terminals when `large` has four times as many).
void PrintGrowth(const std::vector<Comparison>& small, const std::vector<Comparison>& large,
                 double target);

}  // namespace bench
