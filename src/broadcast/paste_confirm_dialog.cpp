// The paste confirmation dialog (resource 106). Cancel is its default button, so Enter cancels;
// the text is shown as it came from the clipboard (up to a length the edit can wrap at once),
// without a selection or a caret.
#include "broadcast/paste_confirm_dialog.h"

#include <windows.h>

#include "broadcast/paste_text.h"
#include "base/resource_ids.h"
#include "runtime/flockhand_window.h"

namespace {

INT_PTR OnInitDialog(HWND dialog, LPARAM pasteText) {
  const std::wstring shown(ShownPasteText(*reinterpret_cast<const std::wstring*>(pasteText)));
  SetDlgItemTextW(dialog, IDC_PASTE_TEXT, shown.c_str());
  return TRUE;
}

// Reported as not handled: the default handling paints.
INT_PTR OnPaint(HWND dialog) {
  HWND edit = GetDlgItem(dialog, IDC_PASTE_TEXT);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
  HideCaret(edit);
  return FALSE;
}

INT_PTR OnCommand(HWND dialog, WORD id) {
  if (id != IDOK && id != IDCANCEL) return FALSE;
  EndDialog(dialog, id);
  return TRUE;
}

INT_PTR CALLBACK PasteConfirmDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog, lParam);
    case WM_PAINT: return OnPaint(dialog);
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    default: return FALSE;
  }
}

}  // namespace

bool PasteConfirmDialog(std::wstring pasteText) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PASTE_CONFIRM),
                         FlockhandWindow(), PasteConfirmDialogProc,
                         reinterpret_cast<LPARAM>(&pasteText)) == IDOK;
}
