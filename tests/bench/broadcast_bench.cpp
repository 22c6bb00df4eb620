// The broadcast benchmark: one key-down in Flockhand's command box with the 100 "alpha"
// terminals selected, against reading their placements and posting the key-down from here.
// Every run waits until the terminals have recorded (and painted) the 100 key-downs it sent,
// so that no run competes with the terminals still working off the one before.
#include <windows.h>

#include "benches.h"
#include "harness/record.h"
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

bool IsNormal(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  return GetWindowPlacement(window, &placement) && placement.showCmd == SW_SHOWNORMAL;
}

}  // namespace

Comparison BroadcastBench(Stage& stage, int runs) {
  Comparison result;
  result.name = "key-down to 100 terminals";
  result.baseline = "placements+posts";
  result.target = 1.2;
  const std::vector<HWND>& targets = stage.Alpha().Windows();
  Require(targets.size() == 100,
          "the alpha stand-in has " + std::to_string(targets.size()) + " windows, not 100");
  // A terminal that is not in the normal state would make Flockhand warn in a message box.
  for (HWND target : targets) Require(IsNormal(target), "an alpha terminal is not shown normal");
  stage.SelectAlpha();

  size_t sent = KeyDowns(stage.Alpha());
  const auto delivered = [&](const char* by) {
    sent += targets.size();
    Require(stage.Alpha().WaitForRecord(
                [&](const std::vector<e2e::RecordLine>& record) {
                  return e2e::Events(record, nullptr, L"KEYDOWN").size() >= sent;
                },
                20s),
            std::string("the alpha terminals did not record the 100 key-downs sent by ") + by);
    Require(KeyDowns(stage.Alpha()) == sent,
            std::string("the alpha terminals recorded more key-downs than ") + by + " sent");
    WaitUntilPainted(targets, "an alpha terminal");
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
  Require(KeyDowns(stage.Beta()) == 0, "unselected beta terminals received key-downs");
  return result;
}

}  // namespace bench
