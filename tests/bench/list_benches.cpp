// The list benchmarks: F5 (discovery and list fill), one filter keystroke, F4 (reverse order),
// Alt+R (invert the selection) and a group's recall, each sent alike to Flockhand and to the
// floor. Every run
// checks afterwards that the program shows the rows and marks expected, and puts back what the
// next run starts from.
#include <windows.h>

#include "benches.h"
#include "base/resource_ids.h"

namespace bench {

namespace {

// Typing "1" narrows "alpha 1".."alpha 100", "beta 1".."beta 400" to the titles holding a 1;
// "l" narrows any scene to its alpha terminals, a fifth of them at every size.
constexpr LPARAM kFilterKeyLParam = 0x00020001;  // one press, scan code of the key

std::string Scene(const Stage& stage, const char* what, bool everySelected) {
  const std::string count = std::to_string(stage.Terminals().size());
  return std::string(what) + ", " + count + (everySelected ? " selected" : " terminals");
}

// Both programs show every terminal, `selected` of them selected, before each run.
void Prepare(const Stage& stage, size_t selected) {
  for (const Program* program : {&stage.Flockhand(), &stage.Floor()}) {
    program->Select(selected);
    program->RequireListed(stage.Terminals(), "before the runs");
  }
}

// Sends `command` to the main windows of both (the floor `floorCommand` when given), then calls
// `check` (untimed) to check the rows and marks and put back what the next run starts from.
Comparison Compare(Stage& stage, const std::string& name, const std::string& floor,
                   WPARAM command, const char* what, int runs,
                   const std::function<void(const Program&)>& check, WPARAM floorCommand = 0) {
  Comparison result{name, floor, 1.15, {}, {}};
  const auto side = [&](const Program& program) {
    return [&] {
      const WPARAM sent = &program == &stage.Floor() && floorCommand ? floorCommand : command;
      const double elapsed = stage.Time(program, program.main, WM_COMMAND, sent, 0, what);
      check(program);
      return Timed(elapsed);
    };
  };
  Alternate(3, runs, side(stage.Flockhand()), side(stage.Floor()), result);
  return result;
}

}  // namespace

Comparison RefreshBench(Stage& stage, int runs, bool everySelected) {
  const std::vector<Terminal>& all = stage.Terminals();
  const size_t selected = everySelected ? all.size() : 0;
  Prepare(stage, selected);
  return Compare(stage, Scene(stage, "F5 refresh", everySelected), "EnumWindows+sort+fill",
                 IDM_REFRESH, "the refresh command (F5)", runs, [&](const Program& program) {
                   program.RequireListed(all, "after F5");
                   program.RequireMarked(selected, "after F5");
                 });
}

Comparison ReverseBench(Stage& stage, int runs) {
  const std::vector<Terminal>& all = stage.Terminals();
  const std::vector<Terminal> descending(all.rbegin(), all.rend());
  Prepare(stage, all.size());
  // After start-up the first F4 sorts descending; each one after it flips the order.
  std::vector<Terminal> flockhandNext = descending, floorNext = descending;
  return Compare(stage, Scene(stage, "F4 reverse", true), "sort+fill", IDM_REVERSE,
                 "the reverse-order command (F4)", runs, [&](const Program& program) {
                   std::vector<Terminal>& next =
                       &program == &stage.Floor() ? floorNext : flockhandNext;
                   program.RequireListed(next, "after F4");
                   program.RequireMarked(all.size(), "after F4");
                   next = next.front().title == all.front().title ? descending : all;
                 });
}

Comparison InvertBench(Stage& stage, int runs) {
  const size_t all = stage.Terminals().size();
  Prepare(stage, all);
  // Every terminal is selected before each run, so each run deselects them all.
  return Compare(stage, Scene(stage, "Alt+R invert", true), "unmark+counter", IDM_INVERT,
                 "the invert command (Alt+R)", runs, [&](const Program& program) {
                   program.RequireMarked(0, "after Alt+R");
                   program.Select(all);
                 });
}

// The group holds every title, so its recall selects every row: the floor selects all (Alt+A).
Comparison RecallBench(Stage& stage, int runs) {
  const size_t all = stage.Terminals().size();
  Prepare(stage, 0);
  return Compare(stage, Scene(stage, "group recall", false), "select-all", IDM_GROUP_RECALL_FIRST,
                 "the first group's recall", runs, [&](const Program& program) {
                   program.RequireMarked(all, "after the recall");
                   program.Select(0);
                 }, IDM_SELECT_ALL);
}

Comparison FilterBench(Stage& stage, int runs, bool everySelected) {
  const std::vector<Terminal>& all = stage.Terminals();
  const wchar_t key = everySelected ? L'l' : L'1';
  std::vector<Terminal> matching;
  for (const Terminal& terminal : all) {
    if (terminal.title.find(key) != std::wstring::npos) matching.push_back(terminal);
  }
  const size_t selected = everySelected ? all.size() : 0;
  Prepare(stage, selected);
  Comparison result{everySelected ? Scene(stage, "filter key", true)
                                  : "filter key, " + std::to_string(matching.size()) + " of " +
                                        std::to_string(all.size()) + " rows",
                    "refill of the matches", 1.15, {}, {}};
  // The filter box is empty and the list holds all rows before every run.
  const auto side = [&](const Program& program) {
    return [&] {
      const double elapsed = stage.Time(program, program.filterBox, WM_CHAR, key,
                                        kFilterKeyLParam, "a filter keystroke");
      program.RequireListed(matching, "after the filter keystroke");
      program.RequireMarked(everySelected ? matching.size() : 0, "after the filter keystroke");
      program.Select(selected);
      return Timed(elapsed);
    };
  };
  Alternate(3, runs, side(stage.Flockhand()), side(stage.Floor()), result);
  return result;
}

}  // namespace bench
