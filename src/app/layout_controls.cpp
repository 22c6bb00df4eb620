// Moves the controls in two deferred batches (the main window's children, then the group
// box's), so each batch takes effect at once, then refreshes the tooltips' rectangles. The
// nine controls that keep their place at every size move only when the scale changes.
#include "app/layout_controls.h"

#include "app/control_tips.h"
#include "app/panel_layout.h"
#include "app/panel_state.h"
#include "base/window_dpi.h"

#include <algorithm>
#include <utility>

namespace {

using Placement = std::pair<HWND, LayoutRect>;

template <std::size_t N>
void MoveInOneBatch(const Placement (&placements)[N]) {
  HDWP batch = BeginDeferWindowPos(static_cast<int>(N));
  for (const auto& [control, rect] : placements) {
    // Compact mode hides the controls whose heights come out negative; they get 0.
    if (batch) {
      batch = DeferWindowPos(batch, control, nullptr, rect.x, rect.y, std::max(rect.width, 0),
                             std::max(rect.height, 0), SWP_NOZORDER);
    }
  }
  if (batch) EndDeferWindowPos(batch);
}

}  // namespace

LRESULT LayoutControls(HWND window, int clientWidth, int clientHeight) {
  const PanelLayout layout = ComputePanelLayout(clientWidth, clientHeight, WindowDpi(window));
  const Placement mainChildren[] = {
      {Panel.CommandBox, layout.commandBox},
      {Panel.FilterBox, layout.filterBox},
      {Panel.TerminalListBox, layout.terminalList},
      {Panel.ReverseOrderButton, layout.reverseOrderButton},
      {Panel.InvertSelectionButton, layout.invertSelectionButton},
      {Panel.FlashButton, layout.flashButton},
      {Panel.WindowOpsGroup, layout.windowOpsGroup},
      {Panel.RefreshButton, layout.refreshButton},
      {Panel.HelpButton, layout.helpButton},
      {Panel.SelectionCountLabel, layout.selectionCountLabel},
  };
  MoveInOneBatch(mainChildren);
  const Placement groupChildren[] = {
      {Panel.ArrangeButton, layout.arrangeButton},
      {Panel.HideOthersButton, layout.hideOthersButton},
  };
  MoveInOneBatch(groupChildren);
  RefreshControlTipRects();
  return 0;
}

void PlaceFixedControls(int dpi) {
  const Placement mainChildren[] = {
      {Panel.CompactButton, ScaleRect(kCompactButtonRect, dpi)},
      {Panel.ListCaption, ScaleRect(kListCaptionRect, dpi)},
  };
  MoveInOneBatch(mainChildren);
  const Placement groupChildren[] = {
      {Panel.WindowOps.DisplayCombo, ScaleRect(kDisplayComboRect, dpi)},
      {Panel.MenuBarButton, ScaleRect(kMenuBarButtonRect, dpi)},
      {Panel.WindowOps.AreaCombo, ScaleRect(kAreaComboRect, dpi)},
      {Panel.ColumnsLabel, ScaleRect(kColumnsLabelRect, dpi)},
      {Panel.WindowOps.ColumnsEdit, ScaleRect(kColumnsEditRect, dpi)},
      {Panel.RowsLabel, ScaleRect(kRowsLabelRect, dpi)},
      {Panel.WindowOps.RowsEdit, ScaleRect(kRowsEditRect, dpi)},
  };
  MoveInOneBatch(groupChildren);
}
