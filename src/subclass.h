// Installing a subclass procedure in a control's window-procedure slot.
#pragma once

#include <windows.h>

// Puts `procedure` in the control's slot and returns the procedure it replaced, to which the
// subclass passes every message it does not consume.
inline WNDPROC SubclassControl(HWND control, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}
