// The broadcast benchmark: one key-down in Flockhand's command box with the 100 "alpha"
// terminals selected (or every terminal), against reading their placements and posting the
// key-down from here. Every run waits until the terminals have recorded (and painted) the
// key-downs it sent, so that no run competes with the terminals still working off the one before.
#include <windows.h>

#include "benches.h"
#include "harness/record.h"
#include "harness/wait.h"
#include "painting.h"
#include "resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr WPARAM kKey = 'A';
constexpr LPARAM kKeyLParam = 0x001E0001;  // one press, scan code of A

size_t KeyDowns(const e2e::StandIn& terminals) {
  return e2e::Events(terminals.Record(), nullptr, L"KEYDOWN").size();
}

size_t KeyDowns(const Stage& stage, bool everyTerminal) {
  return KeyDowns(stage.Alpha()) + (everyTerminal ? KeyDowns(stage.Beta()) : 0);
}

bool IsNormal(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  return GetWindowPlacement(window, &placement) && placement.showCmd == SW_SHOWNORMAL;
}

// Selects exactly the 100 alpha terminals in Flockhand: filter "alpha", then select all.
void SelectAlpha(const Stage& stage) {
  stage.Send(stage.FilterBox(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"alpha"),
             "the filter text \"alpha\"");
  stage.Send(stage.Main(), WM_COMMAND, IDM_SELECT_ALL, 0, "the select-all command");
  std::vector<Terminal> alpha;
  for (const Terminal& terminal : stage.Terminals()) {
    if (terminal.title.rfind(L"alpha ", 0) == 0) alpha.push_back(terminal);
  }
  stage.RequireListed(alpha, "filtered by \"alpha\"");
  int marked = 0;
  for (int row = 0; row < 100; ++row) {
    if (stage.Send(stage.List(), LB_GETSEL, row, 0, "LB_GETSEL") > 0) ++marked;
  }
  Require(marked == 100, "select-all marked " + std::to_string(marked) + " of 100 rows");
}

}  // namespace

Comparison BroadcastBench(Stage& stage, int runs, bool everyTerminal) {
  Comparison result;
  std::vector<HWND> targets = stage.Alpha().Windows();
  if (everyTerminal) {
    targets.insert(targets.end(), stage.Beta().Windows().begin(), stage.Beta().Windows().end());
    result.name = "key-down, " + std::to_string(targets.size()) + " selected";
  } else {
    result.name = "key-down to 100 terminals";
    Require(targets.size() == 100,
            "the alpha stand-in has " + std::to_string(targets.size()) + " windows, not 100");
  }
  result.baseline = "placements+posts";
  result.target = 1.2;
  // A terminal that is not in the normal state would make Flockhand warn in a message box.
  for (HWND target : targets) Require(IsNormal(target), "a terminal is not shown normal");
  if (everyTerminal) {
    SelectEveryTerminal(stage);
  } else {
    SelectAlpha(stage);
  }

  size_t sent = KeyDowns(stage, everyTerminal);
  const auto delivered = [&](const char* by) {
    sent += targets.size();
    Require(e2e::WaitUntil([&] { return KeyDowns(stage, everyTerminal) >= sent; }, 60s),
            std::string("the terminals did not record the key-downs sent by ") + by);
    Require(KeyDowns(stage, everyTerminal) == sent,
            std::string("the terminals recorded more key-downs than ") + by + " sent");
    WaitUntilPainted(targets, "a terminal");
  };
  const auto flockhand = [&] {
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.CommandBox(), WM_KEYDOWN, kKey, kKeyLParam, "a key-down in the command box");
    const double elapsed = NowMicros() - start;
    delivered("Flockhand");
    return elapsed;
  };
  const auto bare = [&] {
    stage.Settle();
    const double start = NowMicros();
    bool allNormal = true;
    for (HWND target : targets) {
      if (!IsNormal(target)) allNormal = false;
    }
    if (allNormal) {
      for (HWND target : targets) PostMessageW(target, WM_KEYDOWN, kKey, kKeyLParam);
    }
    const double elapsed = NowMicros() - start;
    Require(allNormal, "an alpha terminal left the normal state");
    delivered("the bare loop");
    return elapsed;
  };
  Alternate(3, runs, flockhand, bare, result);
  if (!everyTerminal) {
    Require(KeyDowns(stage.Beta()) == 0, "unselected beta terminals received key-downs");
  }
  return result;
}

}  // namespace bench
