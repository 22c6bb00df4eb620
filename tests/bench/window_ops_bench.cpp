// The window-operation benchmarks, timed to their end while another process asks for answers:
// arrangement of the 100 "alpha" terminals, hide others (the 400 beta terminals) and the
// menu bars switched off on 60, in Flockhand and in the floor; and Flockhand's arrangement of ten
// terminals in a 300 x 300 grid against a 2 x 5 one, whose times must not differ. Before every
// run the terminals are put where the run has work to do, untimed.
#include <windows.h>

#include <algorithm>

#include "benches.h"
#include "harness/record.h"
#include "harness/window_find.h"
#include "painting.h"
#include "base/resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr int kHomeColumns = 20, kHomeRows = 5;

RECT FirstWorkArea() {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcWork;
}

// Cell i of a columns x rows grid over the first display's work area.
RECT Cell(int columns, int rows, size_t i) {
  const RECT work = FirstWorkArea();
  const int width = (work.right - work.left) / columns, height = (work.bottom - work.top) / rows;
  const int x = work.left + static_cast<int>(i % columns) * width;
  const int y = work.top + static_cast<int>(i / columns) * height;
  return {x, y, x + width, y + height};
}

// Untimed: the windows shown normal in the cells of another grid, painted.
void MoveHome(const std::vector<HWND>& windows) {
  for (size_t i = 0; i < windows.size(); ++i) {
    const RECT c = Cell(kHomeColumns, kHomeRows, i);
    ShowWindow(windows[i], SW_SHOWNOACTIVATE);
    SetWindowPos(windows[i], nullptr, c.left, c.top, c.right - c.left, c.bottom - c.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  WaitUntilPainted(windows, "a terminal");
}

void RequireInCells(const std::vector<HWND>& windows, int columns, int rows,
                    const std::string& by) {
  for (size_t i : {size_t{0}, windows.size() - 1}) {
    const RECT r = e2e::WindowRect(windows[i]), c = Cell(columns, rows, i);
    Require(r.left == c.left && r.top == c.top, "a terminal is not in its cell after " + by);
  }
}

// The count boxes: the two edit controls of the window-operations group, in order.
void SetCounts(const Program& program, int columns, int rows) {
  HWND group = FindWindowExW(program.main, nullptr, L"Button", L"ウィンドウ操作");
  std::vector<HWND> edits;
  for (const e2e::ChildInfo& child : e2e::Children(group)) {
    if (_wcsicmp(child.className.c_str(), L"Edit") == 0) edits.push_back(child.hwnd);
  }
  Require(edits.size() == 2, program.name + "'s window-operations group has no two count boxes");
  const std::wstring texts[] = {std::to_wstring(columns), std::to_wstring(rows)};
  for (int i = 0; i < 2; ++i) {
    program.Send(edits[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts[i].c_str()), "a count");
  }
}

}  // namespace

std::vector<Comparison> ArrangeBench(Stage& stage, int runs) {
  std::vector<Comparison> results = {
      {"arrange 100 of 500", "same calls, paced the same", 1.05, {}, {}},
      {"answer, arranging 100", "answer of the floor", 0, {}, {}, kAnswerLimitMs}};
  const std::vector<HWND> alpha = stage.FirstWindows(100);
  const auto side = [&](const Program& program) {
    program.Select(100);
    SetCounts(program, 10, 10);
    return [&] {
      MoveHome(alpha);
      const Timed timed = stage.TimePaced(program, IDM_ARRANGE, "the arrangement");
      RequireInCells(alpha, 10, 10, program.name + "'s arrangement");
      return timed;
    };
  };
  Alternate(1, runs, side(stage.Flockhand()), side(stage.Floor()), results[0], &results[1]);
  return results;
}

Comparison HideOthersBench(Stage& stage, int runs) {
  Comparison result{"hide 400 others of 500", "same calls, paced the same", 1.15, {}, {}};
  const std::vector<HWND>& alpha = stage.Alpha().Windows();
  const std::vector<HWND>& beta = stage.Beta().Windows();
  const auto side = [&](const Program& program) {
    program.Select(100);
    return [&] {
      MoveHome(beta);
      const Timed timed = stage.TimePaced(program, IDM_HIDE_OTHERS, "hide others");
      Require(std::all_of(beta.begin(), beta.end(), IsIconic) && !IsIconic(alpha.front()),
              "not exactly the 400 beta terminals are minimised after " + program.name +
                  "'s hide others");
      return timed;
    };
  };
  Alternate(1, runs, side(stage.Flockhand()), side(stage.Floor()), result);
  MoveHome(beta);
  return result;
}

std::vector<Comparison> MenuBarBench(Stage& stage, int runs) {
  std::vector<Comparison> results = {
      {"menu bars off on 60", "same calls, paced the same", 1.05, {}, {}},
      {"answer, menu bars off on 60", "answer of the floor", 0, {}, {}, kAnswerLimitMs}};
  const auto hidden = [&] {
    return e2e::Events(stage.Alpha().Record(), nullptr, L"SETUPOK").size();
  };
  size_t confirmed = hidden();
  const auto side = [&](const Program& program) {
    program.Select(60);
    return [&] {
      const Timed timed = stage.TimePaced(program, IDM_MENU_BAR, "menu bars off");
      confirmed += 60;
      Require(stage.Alpha().WaitForRecord(
                  [&](const std::vector<e2e::RecordLine>& record) {
                    return e2e::Events(record, nullptr, L"SETUPOK").size() >= confirmed;
                  },
                  10s),
              "the terminals did not confirm the 60 setup dialogs of " + program.name);
      // Back on, untimed: under Wine that asks nothing of the terminals.
      stage.TimePaced(program, IDM_MENU_BAR, "menu bars on");
      return timed;
    };
  };
  Alternate(0, runs, side(stage.Flockhand()), side(stage.Floor()), results[0], &results[1]);
  Require(hidden() == confirmed, "a terminal confirmed a setup dialog nobody opened");
  return results;
}

Comparison ArrangeGridSizeBench(Stage& stage, int runs) {
  Comparison result{"arrange 10 in 300 x 300", "arrange 10 in 2 x 5", 1.15, {}, {}};
  const Program& flockhand = stage.Flockhand();
  flockhand.Select(10);
  const std::vector<HWND> ten = stage.FirstWindows(10);
  const auto arrange = [&](int columns, int rows) {
    SetCounts(flockhand, columns, rows);
    MoveHome(ten);
    const Timed timed = stage.TimePaced(flockhand, IDM_ARRANGE, "the arrangement");
    RequireInCells(ten, columns, rows, "an arrangement of ten");
    return timed;
  };
  Alternate(
      1, runs, [&] { return arrange(300, 300); }, [&] { return arrange(2, 5); }, result);
  return result;
}

}  // namespace bench
