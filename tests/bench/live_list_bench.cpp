// The list that keeps itself current, at 2000 hidden terminals: Flockhand's processor time per
// second with its switch on against off while nothing changes; the time from a terminal window's
// creation to its row, against F5 at once; its longest answer while 50 terminals a second open
// and close, switch on against off. The terminals of the last two are this process's own hidden
// windows: Flockhand reads their titles from the system, never from them.
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
  static const ATOM terminalClass = [] {
    WNDCLASSW terminal{};
    terminal.lpfnWndProc = DefWindowProcW;
    terminal.lpszClassName = L"VTWin32";
    return RegisterClassW(&terminal);
  }();
  return CreateWindowW(MAKEINTATOM(terminalClass), (L"live " + std::to_wstring(++opened)).c_str(),
                       WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
}

void Switch(const Program& flockhand, bool& on, bool wanted) {
  if (on != wanted) flockhand.Send(flockhand.main, WM_SYSCOMMAND, IDM_SYS_LIVE_LIST, 0, "U");
  on = wanted;
}

// Processor microseconds per second over 3 s, a second after switching (the first look).
Timed IdleCpu(const Stage& stage, bool& on, bool wanted) {
  Switch(stage.Flockhand(), on, wanted);
  Sleep(1000);
  const HANDLE process = stage.Flockhand().process.Handle();
  const double cpu = CpuMicros(process), start = NowMicros();
  Sleep(3000);
  return Timed((CpuMicros(process) - cpu) * 1e6 / (NowMicros() - start));
}

Timed CreationToRow(const Program& flockhand, bool refresh) {
  const int rows = flockhand.RowCount();
  const double start = NowMicros();
  const HWND window = OpenTerminal();
  if (refresh) flockhand.Command(IDM_REFRESH, "F5");
  Require(e2e::WaitUntil([&] { return flockhand.RowCount() == rows + 1; }, 10s, 1ms),
          "a new terminal was not listed");
  const double listed = NowMicros() - start;
  DestroyWindow(window);
  if (refresh) flockhand.Command(IDM_REFRESH, "F5");
  Require(e2e::WaitUntil([&] { return flockhand.RowCount() == rows; }, 10s),
          "a closed terminal stayed listed");
  return Timed(listed);
}

// One terminal opens and the oldest of 50 closes every 20 ms, for 3 s; WM_NULL every 5 ms.
Timed AnswerUnderChurn(const Stage& stage, bool& on, bool wanted) {
  const Program& flockhand = stage.Flockhand();
  Switch(flockhand, on, wanted);
  std::deque<HWND> open;
  double longest = 0;
  const double start = NowMicros();
  for (double next = start; NowMicros() - start < 3e6; Sleep(5)) {
    if (NowMicros() >= next) {
      open.push_back(OpenTerminal());
      if (open.size() > 50) DestroyWindow(open.front()), open.pop_front();
      next += 20000;
    }
    const double sent = NowMicros();
    flockhand.Send(flockhand.main, WM_NULL, 0, 0, "WM_NULL");
    longest = std::max(longest, NowMicros() - sent);
  }
  for (HWND window : open) DestroyWindow(window);
  return Timed(longest);
}

}  // namespace

std::vector<Comparison> LiveListBench(Stage& stage, int runs) {
  Comparison cpu{"live list CPU/s, 2000 idle", "switch off", 0, {}, {}, 100.0, true};
  Comparison row{"live list, creation to row", "F5 at once", 0, {}, {}, 1000.0};
  Comparison answer{"answer, 50/s opening, closing", "switch off", 0, {}, {}, 100.0};
  bool on = false;
  Alternate(
      1, runs, [&] { return IdleCpu(stage, on, true); }, [&] { return IdleCpu(stage, on, false); },
      cpu);
  Switch(stage.Flockhand(), on, true);
  Alternate(
      1, runs, [&] { return CreationToRow(stage.Flockhand(), false); },
      [&] { return CreationToRow(stage.Flockhand(), true); }, row);
  Alternate(
      1, runs, [&] { return AnswerUnderChurn(stage, on, true); },
      [&] { return AnswerUnderChurn(stage, on, false); }, answer);
  Switch(stage.Flockhand(), on, false);
  return {cpu, row, answer};
}

}  // namespace bench
