// Prints the results as a fixed-width table on stdout; see report.h.
#include "report.h"

#include <cstdio>
#include <string>

namespace bench {

void PrintTable(const std::vector<Comparison>& results, const std::vector<Comparison>& references) {
  std::printf("\n%-32s %12s %12s  %-26s %6s %-8s %s\n", "benchmark (medians)", "Flockhand",
              "floor", "floor is", "ratio", "target", "result");
  int met = 0;
  for (const Comparison& result : results) {
    if (result.Met()) ++met;
    // A target in milliseconds makes no ratio: the floor may have measured next to nothing.
    char target[16], ratio[16] = "-";
    std::snprintf(target, sizeof(target),
                  result.limitMs == 0 ? "<= %.2f" : result.overFloor ? "<=+%.0fms" : "<=%3.0fms",
                  result.limitMs > 0 ? result.limitMs : result.target);
    if (result.limitMs == 0) std::snprintf(ratio, sizeof(ratio), "%.2f", result.Ratio());
    std::printf("%-32s %9.3f ms %9.3f ms  %-26s %6s %-8s %s\n", result.name.c_str(),
                result.flockhand.Median() / 1000, result.bare.Median() / 1000,
                result.baseline.c_str(), ratio, target, result.Met() ? "PASS" : "MISS");
  }
  if (!references.empty()) {
    std::printf("\n%-32s %12s %12s  %-26s %6s\n", "reference, no target (medians)", "program",
                "baseline", "baseline is", "ratio");
  }
  for (const Comparison& reference : references) {
    std::printf("%-32s %9.3f ms %9.3f ms  %-26s %6.2f\n", reference.name.c_str(),
                reference.flockhand.Median() / 1000, reference.bare.Median() / 1000,
                reference.baseline.c_str(), reference.Ratio());
  }
  std::printf("\n%-32s %6s %25s %25s\n", "spread (ms)", "runs", "program min..max",
              "floor min..max");
  std::vector<Comparison> all = results;
  all.insert(all.end(), references.begin(), references.end());
  for (const Comparison& result : all) {
    std::printf("%-32s %6zu %12.3f..%-11.3f %12.3f..%-11.3f\n", result.name.c_str(),
                result.flockhand.micros.size(), result.flockhand.Min() / 1000,
                result.flockhand.Max() / 1000, result.bare.Min() / 1000, result.bare.Max() / 1000);
  }
  std::printf("\ntargets met: %d of %zu\n", met, results.size());
  std::fflush(stdout);
}

void PrintGrowth(const std::vector<Comparison>& small, const std::vector<Comparison>& large,
                 double target) {
  // The two scenes run minutes apart, so load from other programs does not cancel between them
  // as it does within a pair of runs: growth is taken over the fastest runs, the least disturbed
  // ones, and Flockhand's is compared with its floor's over the same counts.
  std::printf("\n%-32s %10s %10s  %6s %7s  %s\n", "growth (fastest runs)", "Flockhand",
              "floor", "ratio", "target", "result");
  for (size_t i = 0; i < small.size() && i < large.size(); ++i) {
    const double flockhand = large[i].flockhand.Min() / small[i].flockhand.Min();
    const double floor = large[i].bare.Min() / small[i].bare.Min();
    const double ratio = flockhand / floor;
    const std::string name = large[i].name.substr(0, large[i].name.find(','));
    std::printf("%-32s %9.2fx %9.2fx  %6.2f <= %.2f  %s\n", name.c_str(), flockhand, floor, ratio,
                target, ratio <= target ? "PASS" : "MISS");
  }
  std::fflush(stdout);
}

}  // namespace bench
