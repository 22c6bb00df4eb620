// The About dialog has nothing to copy in or read back: OK or Enter (1) and Escape or the close
// box (2) end it with that command; the OK button has the focus from the start.
#include "resources/about_dialog.h"

#include <windows.h>

#include "base/resource_ids.h"

namespace {

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return TRUE;  // the focus to the first tab stop, OK
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void AboutDialog(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDialogProc,
                  0);
}
