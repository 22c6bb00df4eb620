// The window-setup dialog: fills its controls from the terminal, and on OK
// records SETUPOK, then sets the title and the menu-bar state.
#include "setup_dialog.h"

#include <string>

#include "dialog.h"
#include "harness/window_find.h"
#include "record.h"

namespace {

constexpr WORD kTitleLabelId = 200;

void Accept(HWND dialog, Terminal& terminal) {
  const std::wstring title = e2e::WindowText(GetDlgItem(dialog, kTitleEditId));
  const bool hide = IsDlgButtonChecked(dialog, kHideMenuBarCheckId) == BST_CHECKED;
  RecordEvent(terminal.hwnd, std::string("SETUPOK menubar=") + (hide ? "hidden" : "shown") +
                                 " title=" + EscapeText(title));
  SetWindowTextW(terminal.hwnd, title.c_str());
  SetMenuBarHidden(terminal, hide);
}

INT_PTR CALLBACK SetupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      auto& terminal = *reinterpret_cast<Terminal*>(lParam);
      HWND edit = GetDlgItem(dialog, kTitleEditId);
      SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // titles can be thousands of units long
      SetWindowTextW(edit, e2e::WindowText(terminal.hwnd).c_str());
      CheckDlgButton(dialog, kHideMenuBarCheckId,
                     terminal.menuHidden ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    }
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      if (id != IDOK && id != IDCANCEL) return FALSE;
      auto& terminal = *reinterpret_cast<Terminal*>(GetWindowLongPtrW(dialog, DWLP_USER));
      if (id == IDOK)
        Accept(dialog, terminal);
      else
        RecordEvent(terminal.hwnd, "SETUPCANCEL");
      EndDialog(dialog, id);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

void OpenSetupDialog(Terminal& terminal) {
  const std::vector<DialogItem> items = {
      {ControlClass::Static, SS_LEFT, 7, 9, 30, 10, kTitleLabelId, L"&Title:"},
      {ControlClass::Edit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 40, 7, 173, 13, kTitleEditId,
       L""},
      {ControlClass::Button, BS_AUTOCHECKBOX | WS_TABSTOP, 40, 26, 173, 10, kHideMenuBarCheckId,
       L"&Hide menu bar"},
      {ControlClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 104, 44, 50, 14, IDOK, L"OK"},
      {ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 163, 44, 50, 14, IDCANCEL, L"Cancel"},
  };
  if (RunModalDialog(terminal, L"Window setup", 220, 65, items, SetupProc,
                     reinterpret_cast<LPARAM>(&terminal)) == -1) {
    RecordEvent(terminal.hwnd, "SETUPFAIL");
  }
}
