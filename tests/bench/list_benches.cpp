// The list benchmarks over 500 terminals: F5 (discovery and list fill) and one filter
// keystroke, each against the same system calls made bare in this process. Every run checks
// afterwards that Flockhand and the bare list show the rows expected.
#include <windows.h>

#include "benches.h"
#include "resource_ids.h"

namespace bench {

namespace {

// Typing "1" narrows "alpha 1".."alpha 100", "beta 1".."beta 400" to the titles holding a 1.
constexpr wchar_t kFilterKey = L'1';
constexpr LPARAM kFilterKeyLParam = 0x00020001;  // one press, scan code of the 1 key

std::vector<Terminal> Matching(const std::vector<Terminal>& terminals, wchar_t key) {
  std::vector<Terminal> matching;
  for (const Terminal& terminal : terminals) {
    if (terminal.title.find(key) != std::wstring::npos) matching.push_back(terminal);
  }
  return matching;
}

}  // namespace

Comparison RefreshBench(Stage& stage, int runs) {
  Comparison result;
  result.name = "F5 refresh, 500 terminals";
  result.baseline = "EnumWindows+sort+fill";
  result.target = 1.3;
  const std::vector<Terminal>& all = stage.Terminals();
  // Both lists hold all 500 rows before every run, as they do after a refresh.
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_REFRESH, 0, "the refresh command (F5)");
    const double elapsed = NowMicros() - start;
    stage.RequireListed(all, "after F5");
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    const std::vector<Terminal> found = DiscoverTerminals();
    stage.Bare().Fill(found);
    const double elapsed = NowMicros() - start;
    Require(found == all, "the bare discovery found " + std::to_string(found.size()) +
                              " terminals, not the 500 started");
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

Comparison FilterBench(Stage& stage, int runs) {
  const std::vector<Terminal>& all = stage.Terminals();
  const std::vector<Terminal> matching = Matching(all, kFilterKey);
  Comparison result;
  result.name = "filter key, " + std::to_string(matching.size()) + " of 500 rows";
  result.baseline = "refill of the matches";
  result.target = 1.3;
  stage.RequireListed(all, "before the filter runs");
  // The filter box is empty and both lists hold all 500 rows before every run.
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.FilterBox(), WM_CHAR, kFilterKey, kFilterKeyLParam, "a filter keystroke");
    const double elapsed = NowMicros() - start;
    stage.RequireListed(matching, "after the filter keystroke");
    stage.Send(stage.FilterBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""),
               "clearing the filter");
    stage.RequireListed(all, "after clearing the filter");
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Bare().Fill(matching);
    const double elapsed = NowMicros() - start;
    Require(stage.Bare().RowCount() == static_cast<int>(matching.size()),
            "the bare list holds " + std::to_string(stage.Bare().RowCount()) + " rows, not " +
                std::to_string(matching.size()));
    stage.Bare().Fill(all);
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

}  // namespace bench
