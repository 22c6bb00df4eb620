// The options dialog (resource 113). Initialisation copies the settings into the controls, OK
// reads them back; the trackbar previews its position on the main window as it moves.
#include "settings/options_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/resource_ids.h"
#include "base/tooltip.h"
#include "settings/settings_file.h"
#include "settings/transparency.h"

namespace {

constexpr unsigned kMaxAlpha = 255;
constexpr int kTickEvery = 15;
constexpr int kPageSize = 5;
constexpr int kTipWidth = 200;

// The label shows the alpha as read, also above 255, where the trackbar stops at its end.
void ShowAlpha(HWND dialog, unsigned alpha) {
  SetDlgItemInt(dialog, IDC_ALPHA_VALUE, alpha, FALSE);
}

INT_PTR OnInitDialog(HWND dialog) {
  CheckDlgButton(dialog, IDC_PASTE_CONFIRM_CHECK,
                 CurrentSettings.pasteConfirm ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_FORCE_PASTE_CHECK,
                 CurrentSettings.forcePaste ? BST_CHECKED : BST_UNCHECKED);
  ShowAlpha(dialog, CurrentSettings.alpha);
  HWND trackbar = GetDlgItem(dialog, IDC_ALPHA_TRACKBAR);
  SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxAlpha));
  SendMessageW(trackbar, TBM_SETTICFREQ, kTickEvery, 0);
  SendMessageW(trackbar, TBM_SETPOS, TRUE,
               static_cast<LPARAM>(std::min(CurrentSettings.alpha, kMaxAlpha)));
  SendMessageW(trackbar, TBM_SETPAGESIZE, 0, kPageSize);
  // The tip belongs to the dialog and goes with it.
  CreateControlTip(dialog, trackbar, L"実際の透明度は本体で確認できます。", kTipWidth);
  return TRUE;  // the focus goes to the first tab stop, the trackbar
}

unsigned TrackbarPosition(HWND dialog) {
  return static_cast<unsigned>(SendDlgItemMessageW(dialog, IDC_ALPHA_TRACKBAR, TBM_GETPOS, 0, 0));
}

// The preview, on the window that owns the dialog, leaves the alpha setting alone.
INT_PTR OnScroll(HWND dialog) {
  const unsigned position = TrackbarPosition(dialog);
  ShowAlpha(dialog, position);
  SetWindowAlpha(GetWindow(dialog, GW_OWNER), position);
  return TRUE;
}

void OnOk(HWND dialog) {
  CurrentSettings.pasteConfirm = IsDlgButtonChecked(dialog, IDC_PASTE_CONFIRM_CHECK) == BST_CHECKED;
  CurrentSettings.forcePaste = IsDlgButtonChecked(dialog, IDC_FORCE_PASTE_CHECK) == BST_CHECKED;
  CurrentSettings.alpha = TrackbarPosition(dialog);
  // A failed write goes unreported: the new settings still hold for this run.
  SaveSettings();
}

INT_PTR OnCommand(HWND dialog, WORD id) {
  if (id != IDOK && id != IDCANCEL) return FALSE;
  if (id == IDOK) OnOk(dialog);
  MakeOpaque(GetWindow(dialog, GW_OWNER));
  EndDialog(dialog, id);
  return TRUE;
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, IDC_ALPHA_TRACKBAR)) return FALSE;
      return OnScroll(dialog);
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    default: return FALSE;
  }
}

}  // namespace

void OptionsDialog(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_OPTIONS), owner,
                  OptionsDialogProc, 0);
}
