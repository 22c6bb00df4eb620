// The suggestion is one digit per box (the table never goes above 6 columns or 9 rows). What
// the boxes show is known from the suggestion's own writes until the user edits one.
#include "operations/grid_boxes.h"

#include <windows.h>

#include "operations/window_ops_group.h"
#include "terminals/terminal_lists.h"

namespace {

// What the suggestion knows of the two boxes between its writes.
struct GridBoxesState {
  ArrangeArea Area = ArrangeArea::Whole;
  bool Writing = false;
  wchar_t ColumnsShown = 0, RowsShown = 0;  // 0: not known
} Boxes;

void SetDigit(HWND edit, wchar_t& shown, int value) {
  const wchar_t text[] = {static_cast<wchar_t>(L'0' + value), 0};
  if (shown == text[0]) return;
  Boxes.Writing = true;
  SetWindowTextW(edit, text);
  Boxes.Writing = false;
  shown = text[0];
}

}  // namespace

void SuggestGrid() {
  const auto grid = SuggestedGrid(SelectedTerminals.size(), Boxes.Area);
  if (!grid) return;
  const WindowOpsControls& controls = WindowOps();
  SetDigit(controls.ColumnsEdit, Boxes.ColumnsShown, grid->columns);
  SetDigit(controls.RowsEdit, Boxes.RowsShown, grid->rows);
}

void SuggestGridFor(ArrangeArea area) {
  Boxes.Area = area;
  SuggestGrid();
}

void GridBoxEdited() {
  if (Boxes.Writing) return;
  Boxes.ColumnsShown = 0;
  Boxes.RowsShown = 0;
}
