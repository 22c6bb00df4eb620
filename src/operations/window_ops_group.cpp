// Both combo boxes carry the same identifier, so a display change reruns the suggestion too;
// one that comes during an operation waits for its end. The two number boxes are the group's
// only edits.
#include "operations/window_ops_group.h"

#include "operations/grid_boxes.h"
#include "base/resource_ids.h"
#include "base/subclass.h"
#include "runtime/operation_guard.h"

namespace {

const WindowOpsControls* Controls = nullptr;  // the panel's own, from its start

LRESULT WindowOpsGroupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_WINDOW_OPS_COMBO &&
      HIWORD(wParam) == CBN_SELCHANGE) {
    if (HeldForOperation(window, message, wParam, lParam)) return 0;
    SuggestGridFor(static_cast<ArrangeArea>(SendMessageW(Controls->AreaCombo, CB_GETCURSEL, 0, 0)));
  }
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) GridBoxEdited();
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

void InstallWindowOpsGroupProc(HWND group) { SubclassControl(group, WindowOpsGroupProc); }

void AttachWindowOpsControls(const WindowOpsControls* controls) { Controls = controls; }

const WindowOpsControls& WindowOps() { return *Controls; }
