// The table flockhand_bench prints: medians, ratios and PASS or MISS per target.
#pragma once

#include <vector>

#include "measure.h"

namespace bench {

void PrintTable(const std::vector<Comparison>& results);

}  // namespace bench
