// flockhand_bench.exe: times Flockhand against bare equivalents under Wine and prints the
// table. Exit code 0 once every benchmark ran (targets met or not), 1 if one could not run.
// With the argument "startup" it runs only the start-up comparison and its reference; with
// "scale" only the scenes with every terminal selected, at 500 and at 2000 terminals; with
// "frames" only the frames' processor time.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "benches.h"
#include "report.h"

namespace {

using namespace bench;

// Runs of each side per comparison, after its warm-up runs.
constexpr int kRuns = 21;
// Flockhand's time with 2000 terminals over its time with 500, at most.
constexpr double kGrowthTarget = 4.5;

void Progress(const std::string& step) {
  std::printf("flockhand_bench: %s\n", step.c_str());
  std::fflush(stdout);
}

std::string WorkingSet(const Stage& stage) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  Require(GetProcessMemoryInfo(stage.Process(), &counters, sizeof(counters)),
          "could not read Flockhand's memory counters");
  char line[160];
  std::snprintf(line, sizeof(line), "%-32s %9.1f MB (peak %.1f MB)",
                ("working set, " + std::to_string(stage.Terminals().size()) + " selected").c_str(),
                counters.WorkingSetSize / 1048576.0, counters.PeakWorkingSetSize / 1048576.0);
  return line;
}

// F5, F4, a filter key, Alt+R and a key-down with every one of alpha + beta terminals
// selected; Flockhand's working set goes to `memory`. The terminals are hidden: their painting
// does not then load the X server while the runs go on (Flockhand lists and addresses hidden
// terminals like the others).
std::vector<Comparison> EverySelectedScene(int alpha, int beta, std::vector<std::string>& memory) {
  const std::string scene = std::to_string(alpha + beta) + " selected";
  Progress("starting " + std::to_string(alpha + beta) + " hidden stand-in terminals and Flockhand");
  Stage stage(alpha, beta, true);
  std::vector<Comparison> results;
  Progress("F5 refresh, " + scene);
  results.push_back(RefreshBench(stage, kRuns, true));
  Progress("F4 reverse, " + scene);
  results.push_back(ReverseBench(stage, kRuns));
  Progress("filter keystroke, " + scene);
  results.push_back(FilterBench(stage, kRuns, true));
  Progress("Alt+R invert, " + scene);
  results.push_back(InvertBench(stage, kRuns));
  Progress("group recall, " + scene);
  results.push_back(RecallBench(stage, kRuns));
  Progress("key-down broadcast, " + scene);
  results.push_back(BroadcastBench(stage, kRuns, true));
  memory.push_back(WorkingSet(stage));
  return results;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring only = argc > 1 ? argv[1] : L"";
  try {
    std::vector<Comparison> results, references;
    std::vector<std::string> memory;
    if (only == L"frames") {
      Progress("starting 500 stand-in terminals and Flockhand for the frames");
      Stage stage(100, 400);
      FramesBench(stage);
      return 0;
    }
    if (only != L"scale") {
      Progress("start-up, flockhand.exe and bare_panel.exe alternately");
      results.push_back(StartupBench(kRuns));
      Progress("start-up, bare_panel.exe and minimal_window.exe alternately");
      references.push_back(StartupFloorBench(kRuns));
      if (only == L"startup") {
        PrintTable(results, references);
        return 0;
      }
      Progress("starting 500 stand-in terminals and Flockhand");
      Stage stage(100, 400);
      Progress("F5 refresh");
      results.push_back(RefreshBench(stage, kRuns, false));
      Progress("filter keystroke");
      results.push_back(FilterBench(stage, kRuns, false));
      Progress("key-down broadcast");
      results.push_back(BroadcastBench(stage, kRuns, false));
      Progress("fade");
      results.push_back(FadeBench(stage, kRuns));
      Progress("multi-line paste");
      results.push_back(PasteBench(stage, kRuns));
      Progress("arrangement");
      results.push_back(ArrangeBench(stage, kRuns));
      Progress("hide others");
      results.push_back(HideOthersBench(stage, kRuns));
      Progress("arrangement, 300 x 300 against 2 x 5");
      results.push_back(ArrangeGridSizeBench(stage, kRuns));
      Progress("frames around 500 selected terminals");
      FramesBench(stage);
    }
    const std::vector<Comparison> small = EverySelectedScene(100, 400, memory);
    const std::vector<Comparison> large = EverySelectedScene(400, 1600, memory);
    results.insert(results.end(), small.begin(), small.end());
    results.insert(results.end(), large.begin(), large.end());
    PrintTable(results, references);
    PrintGrowth(small, large, kGrowthTarget);
    std::printf("\n");
    for (const std::string& line : memory) std::printf("%s\n", line.c_str());
    return 0;
  } catch (const BenchError& error) {
    std::fprintf(stderr, "flockhand_bench: could not run: %s\n", error.what());
    return 1;
  }
}
