// The panel font is the stock GUI font, whose size the system makes for the system DPI: it is
// taken back to 96 DPI and scaled from there, like every other size of the panel, so that at
// 96 DPI it is the stock font itself.
//
// On a move to a display of another scale Windows has already given the window its new DPI
// (GetDpiForWindow tells it) and scaled its frame; the controls, their font and the tips'
// widths are ours to renew. The suggested rectangle is the window scaled where Windows means it
// to be, so that it does not jump back across the displays' border; the size limits already
// follow the new DPI when it is applied. Wine has one DPI for every display and never sends it.
#include "app/panel_scale.h"

#include <initializer_list>

#include "app/control_tips.h"
#include "app/layout_controls.h"
#include "app/panel_state.h"
#include "base/dpi_scale.h"
#include "base/window_dpi.h"

void ApplyPanelFont(HWND mainWindow) {
  LOGFONTW logFont{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
  const int dpi = WindowDpi(mainWindow), systemDpi = SystemDpi();
  logFont.lfHeight = ScaleToDpi(ScaleToDpi(logFont.lfHeight, kDesignDpi, systemDpi), dpi);
  logFont.lfWidth = ScaleToDpi(ScaleToDpi(logFont.lfWidth, kDesignDpi, systemDpi), dpi);
  HFONT previous = Panel.Font;
  Panel.Font = CreateFontIndirectW(&logFont);
  for (HWND control : {Panel.CommandBox, Panel.ListCaption, Panel.FilterBox, Panel.TerminalListBox,
                       Panel.ReverseOrderButton, Panel.InvertSelectionButton, Panel.FlashButton,
                       Panel.WindowOpsGroup, Panel.WindowOps.DisplayCombo, Panel.MenuBarButton,
                       Panel.WindowOps.AreaCombo, Panel.ColumnsLabel, Panel.WindowOps.ColumnsEdit,
                       Panel.RowsLabel, Panel.WindowOps.RowsEdit, Panel.ArrangeButton,
                       Panel.HideOthersButton, Panel.RefreshButton, Panel.SelectionCountLabel}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Panel.Font), TRUE);
  }
  if (previous) DeleteObject(previous);
}

LRESULT OnDpiChanged(HWND window, const RECT& suggested) {
  ApplyPanelFont(window);
  PlaceFixedControls(WindowDpi(window));
  RescaleControlTips();
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Also when the size came out the same, so that no WM_SIZE followed.
  RECT client{};
  GetClientRect(window, &client);
  return LayoutControls(window, client.right, client.bottom);
}
