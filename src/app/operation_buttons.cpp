// One subclass procedure shared by the operation buttons: it looks up the button's operation
// and previous procedure, runs the operation on WM_LBUTTONUP and passes every message on.
// The button holds the capture from the press, so a release outside it counts too.
#include "app/operation_buttons.h"

#include <vector>

#include "subclass.h"

namespace {

struct OperationButton {
  HWND button;
  void (*operation)();
  WNDPROC defaultProc;
};

std::vector<OperationButton> OperationButtons;

LRESULT CALLBACK OperationButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  for (const OperationButton& entry : OperationButtons) {
    if (entry.button != window) continue;
    if (message == WM_LBUTTONUP) entry.operation();
    return CallWindowProcW(entry.defaultProc, window, message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void AttachButtonOperation(HWND button, void (*operation)()) {
  const WNDPROC defaultProc = SubclassControl(button, OperationButtonProc);
  OperationButtons.push_back({button, operation, defaultProc});
}
