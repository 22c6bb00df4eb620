// Subclassing a control through Common Controls 6: the subclass procedure sees every message
// first and passes on what it does not consume with DefSubclassProc.
#pragma once

#include <windows.h>
#include <commctrl.h>

// data reaches the procedure as its last argument.
inline void SubclassControl(HWND control, SUBCLASSPROC procedure, DWORD_PTR data = 0) {
  SetWindowSubclass(control, procedure, 0, data);
}
