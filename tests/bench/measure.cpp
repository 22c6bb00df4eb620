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

double CpuMicros(void* process) {
  FILETIME created, exited, kernel, user;  // the last two in units of 100 ns
  Require(GetProcessTimes(process, &created, &exited, &kernel, &user), "no processor times");
  return (ULARGE_INTEGER{{kernel.dwLowDateTime, kernel.dwHighDateTime}}.QuadPart +
          ULARGE_INTEGER{{user.dwLowDateTime, user.dwHighDateTime}}.QuadPart) / 10.0;
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
               Comparison& into, Comparison* answers) {
  for (int i = 0; i < warmups; ++i) {
    flockhand();
    bare();
  }
  const auto run = [&](const TimedRun& side, Samples Comparison::*samples) {
    const Timed timed = side();
    (into.*samples).micros.push_back(timed.micros);
    if (answers) (answers->*samples).micros.push_back(timed.answer);
  };
  for (int i = 0; i < runs; ++i) {
    run(i % 2 ? bare : flockhand, i % 2 ? &Comparison::bare : &Comparison::flockhand);
    run(i % 2 ? flockhand : bare, i % 2 ? &Comparison::flockhand : &Comparison::bare);
  }
}

}  // namespace bench
