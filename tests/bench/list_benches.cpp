// The list benchmarks: F5 (discovery and list fill), one filter keystroke, F4 (reverse order)
// and Alt+R (invert the selection), each against the same system calls made bare in this
// process. Every run checks afterwards that Flockhand and the bare list show the rows and marks
// expected. With `everySelected`, every terminal is selected before each run.
#include <windows.h>

#include <algorithm>

#include "benches.h"
#include "resource_ids.h"

namespace bench {

namespace {

// Typing "1" narrows "alpha 1".."alpha 100", "beta 1".."beta 400" to the titles holding a 1;
// "l" narrows any scene to its alpha terminals, a fifth of them at every size.
constexpr LPARAM kFilterKeyLParam = 0x00020001;  // one press, scan code of the key

std::vector<Terminal> Matching(const std::vector<Terminal>& terminals, wchar_t key) {
  std::vector<Terminal> matching;
  for (const Terminal& terminal : terminals) {
    if (terminal.title.find(key) != std::wstring::npos) matching.push_back(terminal);
  }
  return matching;
}

std::string Scene(const Stage& stage, const char* what, bool everySelected) {
  const std::string count = std::to_string(stage.Terminals().size());
  return std::string(what) + ", " + count + (everySelected ? " selected" : " terminals");
}

void RequireMarked(const Stage& stage, size_t count, const std::string& when) {
  const auto marked =
      static_cast<size_t>(stage.Send(stage.List(), LB_GETSELCOUNT, 0, 0, "LB_GETSELCOUNT"));
  Require(marked == count, "Flockhand marks " + std::to_string(marked) + " rows " + when +
                               ", not " + std::to_string(count));
}

}  // namespace

void SelectEveryTerminal(const Stage& stage) {
  stage.Send(stage.FilterBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""),
             "clearing the filter");
  stage.Send(stage.Main(), WM_COMMAND, IDM_SELECT_ALL, 0, "the select-all command");
  stage.RequireListed(stage.Terminals(), "after select-all");
  RequireMarked(stage, stage.Terminals().size(), "after select-all");
}

Comparison RefreshBench(Stage& stage, int runs, bool everySelected) {
  Comparison result;
  result.name = Scene(stage, "F5 refresh", everySelected);
  result.baseline = "EnumWindows+sort+fill";
  result.target = 1.3;
  const std::vector<Terminal>& all = stage.Terminals();
  const size_t selected = everySelected ? all.size() : 0;
  if (everySelected) SelectEveryTerminal(stage);
  stage.Bare().Fill(all, selected);
  // Both lists hold all rows before every run, as they do after a refresh.
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_REFRESH, 0, "the refresh command (F5)");
    const double elapsed = NowMicros() - start;
    stage.RequireListed(all, "after F5");
    RequireMarked(stage, selected, "after F5");
    return elapsed;
  };
  // Flockhand shows the selection twice: once as the cleared filter shows the old rows.
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    const std::vector<Terminal> found = DiscoverTerminals();
    stage.Bare().ShowSelection(selected);
    stage.Bare().Fill(found, selected);
    stage.Bare().ShowSelection(selected);
    const double elapsed = NowMicros() - start;
    Require(found == all, "the bare discovery found " + std::to_string(found.size()) +
                              " terminals, not the " + std::to_string(all.size()) + " started");
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

Comparison FilterBench(Stage& stage, int runs, bool everySelected) {
  const std::vector<Terminal>& all = stage.Terminals();
  const wchar_t key = everySelected ? L'l' : L'1';
  const std::vector<Terminal> matching = Matching(all, key);
  const size_t selected = everySelected ? matching.size() : 0;
  Comparison result;
  result.name = everySelected ? Scene(stage, "filter key", true)
                              : "filter key, " + std::to_string(matching.size()) + " of " +
                                    std::to_string(all.size()) + " rows";
  result.baseline = "refill of the matches";
  result.target = 1.3;
  // The filter box is empty and both lists hold all rows before every run.
  if (everySelected) SelectEveryTerminal(stage);
  stage.RequireListed(all, "before the filter runs");
  stage.Bare().Fill(all, everySelected ? all.size() : 0);
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.FilterBox(), WM_CHAR, key, kFilterKeyLParam, "a filter keystroke");
    const double elapsed = NowMicros() - start;
    stage.RequireListed(matching, "after the filter keystroke");
    RequireMarked(stage, selected, "after the filter keystroke");
    if (everySelected) {
      SelectEveryTerminal(stage);
    } else {
      stage.Send(stage.FilterBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""),
                 "clearing the filter");
      stage.RequireListed(all, "after clearing the filter");
    }
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Bare().Fill(matching, selected);
    stage.Bare().ShowSelection(selected);
    const double elapsed = NowMicros() - start;
    Require(stage.Bare().RowCount() == static_cast<int>(matching.size()),
            "the bare list holds " + std::to_string(stage.Bare().RowCount()) + " rows, not " +
                std::to_string(matching.size()));
    stage.Bare().Fill(all, everySelected ? all.size() : 0);
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

Comparison ReverseBench(Stage& stage, int runs) {
  Comparison result;
  result.name = Scene(stage, "F4 reverse", true);
  result.baseline = "sort+fill";
  result.target = 1.3;
  SelectEveryTerminal(stage);
  const std::vector<Terminal>& all = stage.Terminals();
  const std::vector<Terminal> descending(all.rbegin(), all.rend());
  // After start-up and F5 the first F4 sorts descending; each one after it flips the order.
  bool flockhandDescending = true, bareDescending = true;
  std::vector<Terminal> bareRows = all;
  stage.Bare().Fill(all, all.size());
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_REVERSE, 0, "the reverse-order command (F4)");
    const double elapsed = NowMicros() - start;
    stage.RequireListed(flockhandDescending ? descending : all, "after F4");
    RequireMarked(stage, all.size(), "after F4");
    flockhandDescending = !flockhandDescending;
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    if (bareDescending) {
      std::sort(bareRows.begin(), bareRows.end(),
                [](const Terminal& a, const Terminal& b) { return TitleOrder(b, a); });
    } else {
      std::sort(bareRows.begin(), bareRows.end(), TitleOrder);
    }
    stage.Bare().Fill(bareRows, bareRows.size());
    stage.Bare().ShowSelection(bareRows.size());
    const double elapsed = NowMicros() - start;
    bareDescending = !bareDescending;
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

Comparison InvertBench(Stage& stage, int runs) {
  Comparison result;
  result.name = Scene(stage, "Alt+R invert", true);
  result.baseline = "unmark+counter";
  result.target = 1.3;
  const size_t all = stage.Terminals().size();
  SelectEveryTerminal(stage);
  stage.Bare().Fill(stage.Terminals(), all);
  // Every terminal is selected before each run, so each run deselects them all.
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_INVERT, 0, "the invert command (Alt+R)");
    const double elapsed = NowMicros() - start;
    RequireMarked(stage, 0, "after Alt+R");
    SelectEveryTerminal(stage);
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Bare().Mark(0);
    stage.Bare().ShowSelection(0);
    const double elapsed = NowMicros() - start;
    stage.Bare().Mark(all);
    stage.Bare().ShowSelection(all);
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

Comparison RecallBench(Stage& stage, int runs) {
  Comparison result;
  result.name = Scene(stage, "group recall", false);
  result.baseline = "mark+counter";
  result.target = 1.3;
  const size_t all = stage.Terminals().size();
  stage.Bare().Fill(stage.Terminals(), 0);
  const auto deselect = [&] {
    SelectEveryTerminal(stage);
    stage.Send(stage.Main(), WM_COMMAND, IDM_INVERT, 0, "the invert command (Alt+R)");
  };
  deselect();
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_GROUP_RECALL_FIRST, 0, "the first group's recall");
    const double elapsed = NowMicros() - start;
    RequireMarked(stage, all, "after the recall");
    deselect();
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Bare().Mark(all);
    stage.Bare().ShowSelection(all);
    const double elapsed = NowMicros() - start;
    stage.Bare().Mark(0);
    stage.Bare().ShowSelection(0);
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  return result;
}

}  // namespace bench
