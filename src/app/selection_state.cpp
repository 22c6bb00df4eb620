// The seven window-operation controls are enabled exactly while something is selected; no
// other control is ever disabled. A control is touched only when what it shows changes: the
// seven when the selection becomes empty or not, the counter when the number changes, the grid
// boxes when they do not show the suggestion.
#include "app/selection_state.h"

#include <initializer_list>
#include <optional>
#include <windows.h>

#include "app/panel_state.h"
#include "app/selection_counter.h"
#include "operations/grid_boxes.h"
#include "terminals/terminal_lists.h"

namespace {}  // namespace

void RefreshSelectionState() {
  const std::size_t count = SelectedTerminals.size();
  if (!Panel.CountShown || (*Panel.CountShown == 0) != (count == 0)) {
    for (HWND control : {Panel.WindowOps.DisplayCombo, Panel.MenuBarButton,
                         Panel.WindowOps.AreaCombo, Panel.WindowOps.ColumnsEdit,
                         Panel.WindowOps.RowsEdit, Panel.ArrangeButton, Panel.HideOthersButton}) {
      EnableWindow(control, count != 0);
    }
  }
  SuggestGrid();
  if (Panel.CountShown != count) {
    SetWindowTextW(Panel.SelectionCountLabel, FormatSelectionCount(count).c_str());
  }
  Panel.CountShown = count;
}
