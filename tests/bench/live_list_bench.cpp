// The list that keeps itself current at 2000 hidden terminals, switched on against off: Flockhand's
// processor time per second idle and while 50 terminals a second come and go, with its longest
// answer meanwhile; and a terminal's creation to its row, against F5 at once. The terminals that
// come and go are this process's hidden windows: Flockhand reads their titles from the system.
#include <windows.h>

#include <algorithm>
#include <deque>
#include <string>

#include "base/resource_ids.h"
#include "benches.h"
#include "harness/wait.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

HWND OpenTerminal() {
  static int opened = 0;
  WNDCLASSW terminal{};
  terminal.lpfnWndProc = DefWindowProcW;
  terminal.lpszClassName = L"VTWin32";
  RegisterClassW(&terminal);  // fails once registered
  return CreateWindowW(L"VTWin32", (L"live " + std::to_wstring(++opened)).c_str(), WS_OVERLAPPED, 0,
                       0, 200, 100, nullptr, nullptr, nullptr, nullptr);
}

// The switch as `on` says, a second for the first look, then 3 s: with `churn` a terminal opens
// and the oldest of 50 closes every 20 ms, and WM_NULL goes every 5 ms.
Timed Watch(const Program& flockhand, bool on, bool churn) {
  static bool live = false;
  if (live != on) flockhand.Send(flockhand.main, WM_SYSCOMMAND, IDM_SYS_LIVE_LIST, 0, "U");
  live = on;
  Sleep(1000);
  std::deque<HWND> open;
  double longest = 0;
  const double cpu = CpuMicros(flockhand.process.Handle()), start = NowMicros();
  for (double next = start; NowMicros() - start < 3e6; Sleep(5)) {
    if (churn && NowMicros() >= next) open.push_back(OpenTerminal()), next += 20000;
    if (open.size() > 50) DestroyWindow(open.front()), open.pop_front();
    const double sent = NowMicros();
    if (churn) flockhand.Send(flockhand.main, WM_NULL, 0, 0, "WM_NULL");
    longest = std::max(longest, NowMicros() - sent);
  }
  const double perSecond =
      (CpuMicros(flockhand.process.Handle()) - cpu) * 1e6 / (NowMicros() - start);
  for (HWND window : open) DestroyWindow(window);
  return Timed(perSecond, longest);
}

Timed CreationToRow(const Program& flockhand, bool refresh) {
  const int rows = flockhand.RowCount();
  const double start = NowMicros();
  const HWND window = OpenTerminal();
  if (refresh) flockhand.Command(IDM_REFRESH, "F5");
  Require(e2e::WaitUntil([&] { return flockhand.RowCount() == rows + 1; }, 10s, 1ms), "unlisted");
  const double listed = NowMicros() - start;
  DestroyWindow(window);
  if (refresh) flockhand.Command(IDM_REFRESH, "F5");
  Require(e2e::WaitUntil([&] { return flockhand.RowCount() == rows; }, 10s), "still listed");
  return Timed(listed);
}

}  // namespace

std::vector<Comparison> LiveListBench(Stage& stage, int runs) {
  const Program& flockhand = stage.Flockhand();
  std::vector<Comparison> rows = {
      {"live list CPU/s, 2000 idle", "switch off", 0, {}, {}, 100.0, true},
      {"live list CPU/s, 50/s come, go", "switch off", 0, {}, {}, 100.0, true},
      {"answer, 50/s come and go", "switch off", 0, {}, {}, 100.0},
      {"live list, creation to row", "F5 at once", 0, {}, {}, 1000.0}};
  for (bool churn : {false, true}) {
    Alternate(
        1, runs, [&] { return Watch(flockhand, true, churn); },
        [&] { return Watch(flockhand, false, churn); }, rows[churn], churn ? &rows[2] : nullptr);
  }
  Watch(flockhand, true, false);
  Alternate(
      1, runs, [&] { return CreationToRow(flockhand, false); },
      [&] { return CreationToRow(flockhand, true); }, rows[3]);
  Watch(flockhand, false, false);
  return rows;
}

}  // namespace bench
