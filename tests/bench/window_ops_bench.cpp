// The window-operation benchmarks: arrangement and hide others with the 100 "alpha" terminals
// selected, each against this process making the same window calls on the same windows; and
// arrangement of ten terminals in a 300 x 300 grid against a 2 x 5 one, whose times must not
// differ. Before every run the terminals are put where the run has work to do, untimed.
#include <windows.h>

#include <algorithm>

#include "benches.h"
#include "harness/window_find.h"
#include "painting.h"
#include "resource_ids.h"

namespace bench {

namespace {

constexpr DWORD kPauseMs = 150;         // Flockhand's pause before it takes the foreground back
constexpr UINT kAnswerTimeoutMs = 300;  // how long it gives each terminal
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

void Answer(HWND window) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                      &ignored);
}

// Flockhand's calls for an arrangement in a columns x rows grid, made from this process.
void ArrangeFromHere(const std::vector<HWND>& windows, int columns, int rows, HWND own) {
  for (size_t i = 0; i < windows.size(); ++i) {
    const RECT c = Cell(columns, rows, i);
    SetActiveWindow(windows[i]);
    ShowWindowAsync(windows[i], SW_RESTORE);
    SetWindowPos(windows[i], HWND_NOTOPMOST, c.left, c.top, c.right - c.left, c.bottom - c.top,
                 SWP_ASYNCWINDOWPOS);
    SetForegroundWindow(windows[i]);
    Answer(windows[i]);
  }
  Sleep(kPauseMs);
  GetQueueStatus(QS_ALLINPUT);
  SetForegroundWindow(own);
  SetActiveWindow(own);
}

void RequireInCells(const std::vector<HWND>& windows, int columns, int rows, const char* by) {
  for (size_t i : {size_t{0}, windows.size() - 1}) {
    const RECT r = e2e::WindowRect(windows[i]), c = Cell(columns, rows, i);
    Require(r.left == c.left && r.top == c.top,
            std::string("a terminal is not in its cell after ") + by);
  }
}

// Flockhand's count boxes: the two edit controls of the window-operations group, in order.
void SetCounts(const Stage& stage, int columns, int rows) {
  HWND group = FindWindowExW(stage.Main(), nullptr, L"Button", L"ウィンドウ操作");
  std::vector<HWND> edits;
  for (const e2e::ChildInfo& child : e2e::Children(group)) {
    if (_wcsicmp(child.className.c_str(), L"Edit") == 0) edits.push_back(child.hwnd);
  }
  Require(edits.size() == 2, "Flockhand's window-operations group has no two count boxes");
  const std::wstring texts[] = {std::to_wstring(columns), std::to_wstring(rows)};
  for (int i = 0; i < 2; ++i) {
    stage.Send(edits[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts[i].c_str()), "a count");
  }
}

// The alpha terminals in Flockhand's list order, which is the order of the selection and cells.
std::vector<HWND> AlphaInListOrder(const Stage& stage) {
  std::vector<HWND> alpha;
  for (const Terminal& terminal : stage.Terminals()) {
    if (terminal.title.rfind(L"alpha ", 0) == 0) alpha.push_back(terminal.window);
  }
  return alpha;
}

double TimeArrange(const Stage& stage) {
  stage.Settle();
  const double start = NowMicros();
  stage.Send(stage.Main(), WM_COMMAND, IDM_ARRANGE, 0, "the arrange command");
  return NowMicros() - start;
}

}  // namespace

Comparison ArrangeBench(Stage& stage, int runs) {
  Comparison result{"arrange 100 of 500", "same calls from here", 1.2, {}, {}};
  const std::vector<HWND> alpha = AlphaInListOrder(stage);
  stage.SelectAlpha();
  SetCounts(stage, 10, 10);
  const auto flockhand = [&] {
    MoveHome(alpha);
    const double elapsed = TimeArrange(stage);
    RequireInCells(alpha, 10, 10, "Flockhand's arrangement");
    return elapsed;
  };
  const auto bare = [&] {
    MoveHome(alpha);
    stage.Settle();
    const double start = NowMicros();
    ArrangeFromHere(alpha, 10, 10, stage.Bare().Frame());
    const double elapsed = NowMicros() - start;
    RequireInCells(alpha, 10, 10, "the bare arrangement");
    return elapsed;
  };
  Alternate(1, runs, flockhand, bare, result);
  return result;
}

Comparison HideOthersBench(Stage& stage, int runs) {
  Comparison result{"hide 400 others of 500", "same calls from here", 1.2, {}, {}};
  const std::vector<HWND>& alpha = stage.Alpha().Windows();
  const std::vector<HWND>& beta = stage.Beta().Windows();
  stage.SelectAlpha();
  const auto check = [&](const char* by) {
    Require(std::all_of(beta.begin(), beta.end(), IsIconic) && !IsIconic(alpha.front()),
            std::string("not exactly the 400 beta terminals are minimised after ") + by);
  };
  const auto flockhand = [&] {
    MoveHome(beta);
    stage.Settle();
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_HIDE_OTHERS, 0, "the hide-others command");
    const double elapsed = NowMicros() - start;
    check("Flockhand's hide others");
    return elapsed;
  };
  const auto bare = [&] {
    MoveHome(beta);
    stage.Settle();
    const double start = NowMicros();
    for (HWND window : beta) {
      ShowWindowAsync(window, SW_MINIMIZE);
      Answer(window);
    }
    Sleep(kPauseMs);
    SetFocus(stage.Bare().Frame());
    const double elapsed = NowMicros() - start;
    check("the bare hide others");
    return elapsed;
  };
  Alternate(1, runs, flockhand, bare, result);
  MoveHome(beta);
  return result;
}

Comparison ArrangeGridSizeBench(Stage& stage, int runs) {
  Comparison result{"arrange 10 in 300 x 300", "arrange 10 in 2 x 5", 1.2, {}, {}};
  // The first ten rows of the alpha list, selected as a user's clicks would.
  stage.SelectAlpha();
  stage.Send(stage.List(), LB_SETSEL, FALSE, -1, "LB_SETSEL");
  const std::vector<HWND> alpha = AlphaInListOrder(stage);
  const std::vector<HWND> ten(alpha.begin(), alpha.begin() + 10);
  for (int row = 0; row < 10; ++row) stage.Send(stage.List(), LB_SETSEL, TRUE, row, "LB_SETSEL");
  stage.Send(stage.Main(), WM_COMMAND, MAKEWPARAM(IDC_TERMINAL_LIST, LBN_SELCHANGE),
             reinterpret_cast<LPARAM>(stage.List()), "the selection change");
  const auto arrange = [&](int columns, int rows) {
    SetCounts(stage, columns, rows);
    MoveHome(ten);
    const double elapsed = TimeArrange(stage);
    RequireInCells(ten, columns, rows, "an arrangement of ten");
    return elapsed;
  };
  Alternate(
      1, runs, [&] { return arrange(300, 300); }, [&] { return arrange(2, 5); }, result);
  return result;
}

}  // namespace bench
