// flockhand_bench.exe: times Flockhand against its floor under Wine and prints the table. Exit
// code 0 once every benchmark ran (targets met or not), 1 if one could not run: the table of
// the others still prints, and below it what could not run and why.
// Arguments choose rows: a row runs when "<scene>: <row>" contains one of them ("startup",
// "scale", "2000", "Alt+R", "scale 2000 selected: F4"); without arguments every row runs. The
// rows of "startup at 144 dpi" run only in a session at 144 DPI, and only they run there
// (tools/bench.sh runs the benchmark in one more session for them).
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "benches.h"
#include "harness/text.h"
#include "report.h"

namespace {

using namespace bench;

// Runs of each side per comparison, after its warm-up runs. The paced operations take seconds
// per run and run fewer, but enough that one slow run of the X server does not decide a 1.05
// target (with 5, the arrangement's ratio went from 0.96 to 1.09 between two runs of one
// build); the rows that measure processor time over 3 s per run run fewest.
constexpr int kRuns = 21;
constexpr int kPacedRuns = 9;
constexpr int kProcessorTimeRuns = 5;
// Flockhand's growth from 500 to 2000 terminals over its floor's, at most.
constexpr double kGrowthTarget = 1.1;

struct Row {
  const char* name;
  std::function<std::vector<Comparison>(Stage&)> run;
};

struct Scene {
  const char* name;
  int alpha, beta;
  bool everySelected;
  std::vector<Row> rows;
  bool hidden = false;  // the terminals hidden, as with every terminal selected
};

template <typename Bench, typename... Args>
std::function<std::vector<Comparison>(Stage&)> One(Bench bench, Args... args) {
  return [=](Stage& stage) { return std::vector<Comparison>{bench(stage, args...)}; };
}

template <typename Bench>
std::function<std::vector<Comparison>(Stage&)> Two(Bench bench, int runs) {
  return [=](Stage& stage) { return bench(stage, runs); };
}

std::vector<Row> EverySelectedRows() {
  return {{"F5 refresh", One(RefreshBench, kRuns, true)},
          {"F4 reverse", One(ReverseBench, kRuns)},
          {"filter key", One(FilterBench, kRuns, true)},
          {"Alt+R invert", One(InvertBench, kRuns)},
          {"group recall", One(RecallBench, kRuns)},
          {"key-down", One(BroadcastBench, kRuns, true)}};
}

const std::vector<Scene>& Scenes() {
  static const std::vector<Scene> scenes = {
      {"500 terminals", 100, 400, false,
       {{"F5 refresh", One(RefreshBench, kRuns, false)},
        {"filter key", One(FilterBench, kRuns, false)},
        {"key-down", One(BroadcastBench, kRuns, false)},
        {"fade", One(FadeBench, kRuns)},
        {"lines pasted", One(PasteBench, kRuns)},
        {"one line pasted", Two(SingleLinePasteBench, kPacedRuns)},
        {"arrange 100", Two(ArrangeBench, kPacedRuns)},
        {"hide others", One(HideOthersBench, kPacedRuns)},
        {"menu bars off", Two(MenuBarBench, kPacedRuns)},
        {"arrange 10 in 300 x 300", One(ArrangeGridSizeBench, kPacedRuns)}}},
      {"paste 200", 200, 100, false,
       {{"one line to 200", Two(SingleLinePaste200Bench, kPacedRuns)},
        {"lines to 200", Two(LinesPaste200Bench, kPacedRuns)}}},
      {"frames", 100, 400, false,
       {{"50 of 500 moving", One(FramesBench, kProcessorTimeRuns, true)},
        {"500 idle", One(FramesBench, kProcessorTimeRuns, false)}}},
      {"activation", 100, 100, false,
       {{"deactivation to frames hidden", One(FramesFollowBench, kRuns, false)},
        {"activation to frames shown", One(FramesFollowBench, kRuns, true)}}},
      {"live list", 400, 1600, false,
       {{"2000 terminals", Two(LiveListBench, kProcessorTimeRuns)}}, true},
      {"scale 500 selected", 100, 400, true, EverySelectedRows()},
      {"scale 2000 selected", 400, 1600, true, EverySelectedRows()}};
  return scenes;
}

void Progress(const std::string& step) {
  std::printf("flockhand_bench: %s\n", step.c_str());
  std::fflush(stdout);
}

std::string WorkingSet(const Stage& stage) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  Require(GetProcessMemoryInfo(stage.Flockhand().process.Handle(), &counters, sizeof(counters)),
          "could not read Flockhand's memory counters");
  char line[160];
  std::snprintf(line, sizeof(line), "%-32s %9.1f MB (peak %.1f MB)",
                ("working set, " + std::to_string(stage.Terminals().size()) + " selected").c_str(),
                counters.WorkingSetSize / 1048576.0, counters.PeakWorkingSetSize / 1048576.0);
  return line;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> chosen;
  for (int i = 1; i < argc; ++i) chosen.push_back(e2e::Utf8(argv[i]));
  const auto wanted = [&](const std::string& name) {
    if (chosen.empty()) return true;
    for (const std::string& part : chosen) {
      if (name.find(part) != std::string::npos) return true;
    }
    return false;
  };
  try {
    std::vector<Comparison> results, references, growth[2];
    std::vector<std::string> memory, unrun;
    if (const UINT dpi = GetDpiForSystem(); dpi != 96) {
      if (dpi == 144 && wanted("startup at 144 dpi: start-up")) {
        Progress("start-up at 144 dpi, flockhand.exe and bare_panel.exe alternately");
        results.push_back(StartupBench(kRuns));
        results.back().name += " at 144 dpi";
      }
      PrintTable(results, references);
      return 0;
    }
    if (wanted("startup: start-up")) {
      Progress("start-up, flockhand.exe and bare_panel.exe alternately");
      results.push_back(StartupBench(kRuns));
      Progress("start-up, bare_panel.exe and minimal_window.exe alternately");
      references.push_back(StartupFloorBench(kRuns));
    }
    for (const Scene& scene : Scenes()) {
      std::vector<const Row*> rows;
      for (const Row& row : scene.rows) {
        if (wanted(std::string(scene.name) + ": " + row.name)) rows.push_back(&row);
      }
      if (rows.empty()) continue;
      Progress("starting " + std::to_string(scene.alpha + scene.beta) +
               " stand-in terminals, Flockhand and its floor");
      // A row that cannot run says why; the scene's next rows run on a fresh stage, and the
      // table of the rest still prints.
      std::unique_ptr<Stage> stage;
      for (const Row* row : rows) {
        const std::string name = std::string(scene.name) + ": " + row->name;
        Progress(name);
        try {
          if (!stage) stage = std::make_unique<Stage>(scene.alpha, scene.beta, scene.everySelected || scene.hidden);
          for (const Comparison& result : row->run(*stage)) {
            results.push_back(result);
            if (scene.everySelected) growth[scene.alpha > 100].push_back(result);
          }
        } catch (const BenchError& error) {
          unrun.push_back(name + ": " + error.what());
          stage.reset();
        }
      }
      if (scene.everySelected && stage) memory.push_back(WorkingSet(*stage));
    }
    PrintTable(results, references);
    if (!growth[0].empty() && growth[0].size() == growth[1].size()) {
      PrintGrowth(growth[0], growth[1], kGrowthTarget);
    }
    std::printf("\n");
    for (const std::string& line : memory) std::printf("%s\n", line.c_str());
    for (const std::string& line : unrun) std::printf("could not run: %s\n", line.c_str());
    return unrun.empty() ? 0 : 1;
  } catch (const BenchError& error) {
    std::fprintf(stderr, "flockhand_bench: could not run: %s\n", error.what());
    return 1;
  }
}
