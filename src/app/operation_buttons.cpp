// One subclass procedure shared by the operation buttons, each given its operation as the
// subclass data: it runs the operation on WM_LBUTTONUP and passes every message on. The button
// holds the capture from the press, so a release outside it counts too. A release that comes
// during an operation (a BM_CLICK sent by another program) waits for its end.
#include "app/operation_buttons.h"

#include "base/subclass.h"
#include "runtime/operation_guard.h"

namespace {

LRESULT OperationButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            DWORD_PTR operation) {
  if (message == WM_LBUTTONUP) {
    if (HeldForOperation(window, message, wParam, lParam)) return 0;
    reinterpret_cast<void (*)()>(operation)();
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

void AttachButtonOperation(HWND button, void (*operation)()) {
  SubclassControl(button, OperationButtonProc, reinterpret_cast<DWORD_PTR>(operation));
}
