// flockhand_bench.exe: times Flockhand against bare equivalents under Wine and prints the
// table. Exit code 0 once every benchmark ran (targets met or not), 1 if one could not run.
// With the argument "startup" it runs only the start-up comparison and its reference.
#include <cstdio>
#include <cwchar>
#include <vector>

#include "benches.h"
#include "report.h"

namespace {

// Runs of each side per comparison, after its warm-up runs.
constexpr int kRuns = 21;

void Progress(const char* step) {
  std::printf("flockhand_bench: %s\n", step);
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace bench;
  const bool startupOnly = argc > 1 && std::wcscmp(argv[1], L"startup") == 0;
  try {
    std::vector<Comparison> results;
    Progress("start-up, flockhand.exe and minimal_window.exe alternately");
    results.push_back(StartupBench(kRuns));
    Progress("start-up, bare_panel.exe and minimal_window.exe alternately");
    const std::vector<Comparison> references = {StartupFloorBench(kRuns)};
    if (startupOnly) {
      PrintTable(results, references);
      return 0;
    }
    Progress("starting 500 stand-in terminals and Flockhand");
    Stage stage;
    Progress("F5 refresh");
    results.push_back(RefreshBench(stage, kRuns));
    Progress("filter keystroke");
    results.push_back(FilterBench(stage, kRuns));
    Progress("key-down broadcast");
    results.push_back(BroadcastBench(stage, kRuns));
    Progress("arrangement");
    results.push_back(ArrangeBench(stage, kRuns));
    Progress("hide others");
    results.push_back(HideOthersBench(stage, kRuns));
    Progress("arrangement, 300 x 300 against 2 x 5");
    results.push_back(ArrangeGridSizeBench(stage, kRuns));
    PrintTable(results, references);
    return 0;
  } catch (const BenchError& error) {
    std::fprintf(stderr, "flockhand_bench: could not run: %s\n", error.what());
    return 1;
  }
}
