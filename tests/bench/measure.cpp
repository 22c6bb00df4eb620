// QueryPerformanceCounter timing, medians and the alternating run order; see measure.h.
#include "measure.h"

#include <windows.h>

#include <algorithm>

namespace bench {

void Require(bool condition, const std::string& message) {
  if (!condition) throw BenchError(message);
}

double NowMicros() {
  static const double ticksPerMicro = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMicro;
}

double Samples::Median() const {
  if (micros.empty()) return 0;
  std::vector<double> sorted = micros;
  std::sort(sorted.begin(), sorted.end());
  const size_t middle = sorted.size() / 2;
  return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Samples::Min() const {
  return micros.empty() ? 0 : *std::min_element(micros.begin(), micros.end());
}

double Samples::Max() const {
  return micros.empty() ? 0 : *std::max_element(micros.begin(), micros.end());
}

double Comparison::Ratio() const {
  Samples ratios;
  for (size_t i = 0; i < flockhand.micros.size() && i < bare.micros.size(); ++i) {
    ratios.micros.push_back(flockhand.micros[i] / bare.micros[i]);
  }
  return ratios.Median();
}

void Alternate(int warmups, int runs, const TimedRun& flockhand, const TimedRun& bare,
               Comparison& into) {
  for (int i = 0; i < warmups; ++i) {
    flockhand();
    bare();
  }
  for (int i = 0; i < runs; ++i) {
    if (i % 2 == 0) {
      into.flockhand.micros.push_back(flockhand());
      into.bare.micros.push_back(bare());
    } else {
      into.bare.micros.push_back(bare());
      into.flockhand.micros.push_back(flockhand());
    }
  }
}

}  // namespace bench
