// The suggestion is one digit per box (the table never goes above 6 columns or 9 rows).
#include "operations/grid_boxes.h"

#include <windows.h>

#include "operations/grid_suggestion.h"
#include "operations/window_ops_group.h"
#include "terminals/terminal_lists.h"

namespace {

void SetDigit(HWND edit, int value) {
  const wchar_t text[] = {static_cast<wchar_t>(L'0' + value), 0};
  SetWindowTextW(edit, text);
}

}  // namespace

void SuggestGrid() {
  const WindowOpsControls& controls = WindowOps();
  const auto area =
      static_cast<ArrangeArea>(SendMessageW(controls.AreaCombo, CB_GETCURSEL, 0, 0));
  const auto grid = SuggestedGrid(SelectedTerminals.size(), area);
  if (!grid) return;
  SetDigit(controls.ColumnsEdit, grid->columns);
  SetDigit(controls.RowsEdit, grid->rows);
}
