// Grid suggestion and the group box's subclass procedure; see window_ops_group.h. Both combo
// boxes carry the same identifier, so a display change reruns the suggestion too.
#include "operations/window_ops_group.h"

#include "app/control_panel.h"
#include "app/subclass.h"
#include "operations/grid_suggestion.h"
#include "resources/resource_ids.h"
#include "terminals/terminal_lists.h"

namespace {

WNDPROC WindowOpsGroupDefaultProc;

void SetDigit(HWND edit, int value) {
  const wchar_t text[] = {static_cast<wchar_t>(L'0' + value), 0};
  SetWindowTextW(edit, text);
}

LRESULT CALLBACK WindowOpsGroupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_WINDOW_OPS_COMBO &&
      HIWORD(wParam) == CBN_SELCHANGE) {
    SuggestGrid();
  }
  return CallWindowProcW(WindowOpsGroupDefaultProc, window, message, wParam, lParam);
}

}  // namespace

void SuggestGrid() {
  const auto area = static_cast<ArrangeArea>(SendMessageW(AreaCombo, CB_GETCURSEL, 0, 0));
  const auto grid = SuggestedGrid(SelectedTerminals.size(), area);
  if (!grid) return;
  SetDigit(ColumnsEdit, grid->columns);
  SetDigit(RowsEdit, grid->rows);
}

void InstallWindowOpsGroupProc(HWND group) {
  WindowOpsGroupDefaultProc = SubclassControl(group, WindowOpsGroupProc);
}
