// See subclass.h. A panel subclasses a dozen controls at most, so they are looked up in order.
#include "base/subclass.h"

#include <algorithm>
#include <vector>

namespace {

struct Subclassed {
  HWND control;
  ControlProc procedure;
  DWORD_PTR data;
  WNDPROC previous;
};

// Every control subclassed, with the procedure it had.
std::vector<Subclassed> Controls;

std::vector<Subclassed>::iterator Find(HWND control) {
  return std::find_if(Controls.begin(), Controls.end(),
                      [control](const Subclassed& s) { return s.control == control; });
}

// A control's handle may be given to another window once it is destroyed: it is forgotten after
// its last message.
LRESULT CALLBACK SubclassedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Subclassed subclassed = *Find(window);
  const LRESULT result = subclassed.procedure(window, message, wParam, lParam, subclassed.data);
  if (message == WM_NCDESTROY) Controls.erase(Find(window));
  return result;
}

}  // namespace

void SubclassControl(HWND control, ControlProc procedure, DWORD_PTR data) {
  Controls.push_back({control, procedure, data, nullptr});
  Controls.back().previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassedProc)));
}

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(Find(window)->previous, window, message, wParam, lParam);
}
