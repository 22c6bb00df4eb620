// The seven window-operation controls are enabled exactly while something is selected; no
// other control is ever disabled.
#include "app/selection_state.h"

#include <initializer_list>
#include <windows.h>

#include "app/panel_state.h"
#include "app/selection_counter.h"
#include "operations/grid_boxes.h"
#include "terminals/terminal_lists.h"

void RefreshSelectionState() {
  const BOOL enable = !SelectedTerminals.empty();
  for (HWND control : {Panel.DisplayCombo, Panel.MenuBarButton, Panel.AreaCombo, Panel.ColumnsEdit,
                       Panel.RowsEdit, Panel.ArrangeButton, Panel.HideOthersButton}) {
    EnableWindow(control, enable);
  }
  SuggestGrid();
  SetWindowTextW(Panel.SelectionCountLabel, FormatSelectionCount(SelectedTerminals.size()).c_str());
}
