// Arrangement. Moving, sizing and restoring another program's window through the synchronous
// calls waits for that program's thread, so a hung terminal would hold Flockhand for good; the
// asynchronous forms are used instead, which a terminal carries out when it next reads its
// messages. Restoring comes before the move, so that the move also sets the size: a placement
// written into another process's window does not set its size under Wine, and only the move
// could keep a minimised or maximised terminal from returning at its old size. Every rectangle
// is in the displays' own pixels (Flockhand is per-monitor DPI aware), and a terminal that is
// not where it was put once it has answered is put there once more (PlaceInCell).
#include "operations/arrangement.h"

#include <string>

#include "base/debug_lines.h"
#include "base/debug_print.h"
#include "operations/cell_layout.h"
#include "operations/displays.h"
#include "operations/grid_boxes.h"
#include "operations/window_ops_group.h"
#include "runtime/foreground.h"
#include "runtime/operation.h"
#include "terminals/terminal_answer.h"
#include "terminals/terminal_lists.h"

namespace {

// Time for the terminals to come forward before Flockhand takes the foreground back.
constexpr DWORD kRaisePauseMs = 150;

std::int64_t CountIn(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return ParseCount(text);
}

// One terminal completely before the next, as far as it answers: a terminal that carried out
// its requests late could otherwise come forward after Flockhand.
bool MoveAndRaise(HWND terminal, const CellRect& cell) {
  SetWindowPos(terminal, HWND_NOTOPMOST, cell.left, cell.top, cell.right - cell.left,
               cell.bottom - cell.top, SWP_ASYNCWINDOWPOS);
  SetForegroundWindow(terminal);
  return TerminalAnswers(terminal);
}

std::optional<CellRect> WindowBounds(HWND terminal) {
  RECT r{};
  if (!GetWindowRect(terminal, &r)) return std::nullopt;
  return CellRect{r.left, r.top, r.right, r.bottom};
}

void Place(HWND terminal, const CellRect& cell) {
  SetActiveWindow(terminal);
  ShowWindowAsync(terminal, SW_RESTORE);
  PlaceInCell(
      cell, [terminal](const CellRect& at) { return MoveAndRaise(terminal, at); },
      [terminal] { return WindowBounds(terminal); });
}

}  // namespace

void ArrangeTerminals() {
  const PacedOperation operation;
  const WindowOpsControls& controls = WindowOps();
  const LRESULT display = SendMessageW(controls.DisplayCombo, CB_GETCURSEL, 0, 0);
  // No display listed (none was reported) or none chosen: there is nothing to tile over.
  if (display < 0 || static_cast<std::size_t>(display) >= MonitorList.size()) return;
  // A copy: a display change handled while the terminals are served renews the list.
  const RECT work = MonitorList[static_cast<std::size_t>(display)].workArea;
  DebugPrint(kArrangeOriginLine, static_cast<int>(work.left), static_cast<int>(work.top));
  const auto area = static_cast<ArrangeArea>(SendMessageW(controls.AreaCombo, CB_GETCURSEL, 0, 0));
  const CellGrid grid =
      PlanCells({work.left, work.top, work.right, work.bottom}, area, CountIn(controls.ColumnsEdit),
                CountIn(controls.RowsEdit), SelectedTerminals.size());
  std::size_t next = 0;
  ServeEach(SelectedTerminals, [&](const TerminalEntry& entry) {
    const CellRect cell = CellOf(grid, next++);
    DebugPrint(kTerminalPlacedLine, entry.title.c_str(), cell.left, cell.top);
    Place(entry.window, cell);
  });
  Pause(kRaisePauseMs);
  BringFlockhandForward();
}

void QuickArrange(ArrangeArea area) {
  // CB_SETCURSEL sends no change notification, so the suggestion is rerun here.
  SendMessageW(WindowOps().AreaCombo, CB_SETCURSEL, static_cast<WPARAM>(area), 0);
  SuggestGridFor(area);
  ArrangeTerminals();
}
