// The table flockhand_bench prints: medians, ratios and PASS or MISS per target.
#pragma once

#include <vector>

#include "measure.h"

namespace bench {

// results have targets; references are printed below them without one.
void PrintTable(const std::vector<Comparison>& results, const std::vector<Comparison>& references);

// Flockhand's growth from each comparison in `small` to the same one in `large`, over its
// floor's growth, against `target`.
void PrintGrowth(const std::vector<Comparison>& small, const std::vector<Comparison>& large,
                 double target);

}  // namespace bench
