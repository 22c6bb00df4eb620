// One subclass procedure shared by the operation buttons, each given its operation as the
// subclass data: it runs the operation on WM_LBUTTONUP and passes every message on. The button
// holds the capture from the press, so a release outside it counts too.
#include "app/operation_buttons.h"

#include "base/subclass.h"

namespace {

LRESULT OperationButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            DWORD_PTR operation) {
  if (message == WM_LBUTTONUP) reinterpret_cast<void (*)()>(operation)();
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

void AttachButtonOperation(HWND button, void (*operation)()) {
  SubclassControl(button, OperationButtonProc, reinterpret_cast<DWORD_PTR>(operation));
}
