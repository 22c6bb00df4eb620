// Entering compact mode hides the nine full-mode controls and sets the window's normal
// height to 95 (at 96 DPI), remembering the height it had; leaving restores both. The flag
// changes before the resize, so that the size limits already allow the new height. The height
// is remembered with the DPI it was measured at: the window may have moved to a display of
// another scale meanwhile.
#include "app/compact_mode.h"

#include "app/main_window.h"
#include "app/panel_state.h"
#include "base/dpi_scale.h"
#include "base/window_dpi.h"
#include "base/subclass.h"

#include <initializer_list>

namespace {

void ShowFullModeControls(int showCommand) {
  for (HWND control : {Panel.FilterBox, Panel.TerminalListBox, Panel.ReverseOrderButton,
                       Panel.InvertSelectionButton, Panel.FlashButton, Panel.WindowOpsGroup,
                       Panel.RefreshButton, Panel.HelpButton, Panel.SelectionCountLabel}) {
    ShowWindow(control, showCommand);
  }
}

// Only the bottom of the normal position changes: edges and show state stay.
void SetNormalHeight(int height, int* previousHeight) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(Panel.MainWindow, &placement);
  RECT& normal = placement.rcNormalPosition;
  if (previousHeight) *previousHeight = normal.bottom - normal.top;
  normal.bottom = normal.top + height;
  SetWindowPlacement(Panel.MainWindow, &placement);
}

LRESULT ListCaptionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
  if (message == WM_LBUTTONDBLCLK) ToggleCompactMode();
  return PassOn(window, message, wParam, lParam);
}

}  // namespace

void ToggleCompactMode() {
  const int dpi = WindowDpi(Panel.MainWindow);
  if (!Panel.CompactMode) {
    Panel.CompactMode = true;
    ShowFullModeControls(SW_HIDE);
    SetNormalHeight(ScaleToDpi(kCompactHeight, dpi), &Panel.NormalHeight);
    Panel.NormalHeightDpi = dpi;
  } else {
    Panel.CompactMode = false;
    ShowFullModeControls(SW_SHOW);
    SetNormalHeight(ScaleToDpi(Panel.NormalHeight, dpi, Panel.NormalHeightDpi), nullptr);
  }
}

void InstallListCaptionProc(HWND listCaption) { SubclassControl(listCaption, ListCaptionProc); }
