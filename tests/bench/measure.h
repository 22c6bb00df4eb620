// Timing with QueryPerformanceCounter, the medians the benchmarks report, and the one error
// type that ends a benchmark that cannot run.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

// A benchmark that cannot run (a program did not start, a check of what was timed failed).
class BenchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws BenchError(message) unless condition holds.
void Require(bool condition, const std::string& message);

// Microseconds since an arbitrary point, from QueryPerformanceCounter.
double NowMicros();

// The processor time a process has used so far, kernel and user, in microseconds.
double CpuMicros(void* process);

// Microseconds per run.
struct Samples {
  std::vector<double> micros;
  double Median() const;
  double Min() const;
  double Max() const;
};

// Flockhand against its floor, and the ratio it may reach, or the most it may take (limitMs). A
// reference comparison times another program in Flockhand's place and has no target.
struct Comparison {
  std::string name;      // what Flockhand (or the reference's program) did
  std::string baseline;  // what it is compared with
  double target = 0;     // the highest acceptable ratio
  Samples flockhand;
  Samples bare;
  double limitMs = 0;    // when set, the target is Flockhand's median against this
  bool overFloor = false;  // limitMs bounds Flockhand's median over the floor's

  // The median of the runs' ratios, each Flockhand run over the baseline run of its pair: the
  // two runs of a pair follow each other, so a burst of load from other programs on the
  // machine weighs on both, where it would shift one side's median alone.
  double Ratio() const;
  bool Met() const {
    if (limitMs == 0) return Ratio() <= target;
    return flockhand.Median() - (overFloor ? bare.Median() : 0) <= limitMs * 1000;
  }
};

// What a run measured: the microseconds of its timed section and, for the paced operations,
// the longest the program took to answer another process meanwhile.
struct Timed {
  Timed(double timed, double longestAnswer = 0) : micros(timed), answer(longestAnswer) {}
  double micros;
  double answer;
};

// A timed run: does its set-up, times only its own section, checks what happened.
using TimedRun = std::function<Timed()>;

// Runs flockhand and bare `warmups` times each unrecorded, then `runs` times each into the
// comparison, and their answers into `answers` if given. Pairs alternate which side goes first,
// so that a drift in the machine's load (other programs run beside the benchmark) weighs on both
// sides alike.
void Alternate(int warmups, int runs, const TimedRun& flockhand, const TimedRun& bare,
               Comparison& into, Comparison* answers = nullptr);

}  // namespace bench
