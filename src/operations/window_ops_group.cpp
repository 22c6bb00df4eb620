// Both combo boxes carry the same identifier, so a display change reruns the suggestion too.
#include "operations/window_ops_group.h"

#include "operations/grid_boxes.h"
#include "resources/resource_ids.h"
#include "subclass.h"

namespace {

WNDPROC WindowOpsGroupDefaultProc;

LRESULT CALLBACK WindowOpsGroupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_WINDOW_OPS_COMBO &&
      HIWORD(wParam) == CBN_SELCHANGE) {
    SuggestGrid();
  }
  return CallWindowProcW(WindowOpsGroupDefaultProc, window, message, wParam, lParam);
}

}  // namespace

void InstallWindowOpsGroupProc(HWND group) {
  WindowOpsGroupDefaultProc = SubclassControl(group, WindowOpsGroupProc);
}
