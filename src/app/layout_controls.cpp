// Moves the controls in two deferred batches (the main window's children, then the group
// box's), so each batch takes effect at once, then refreshes the tooltips' rectangles. The
// nine controls that keep their place at every size move only when the scale changes.
#include "app/layout_controls.h"

#include "app/control_tips.h"
#include "app/panel_layout.h"
#include "base/window_dpi.h"
#include "panel.h"

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
      {CommandBox, layout.commandBox},
      {FilterBox, layout.filterBox},
      {TerminalListBox, layout.terminalList},
      {ReverseOrderButton, layout.reverseOrderButton},
      {InvertSelectionButton, layout.invertSelectionButton},
      {FlashButton, layout.flashButton},
      {WindowOpsGroup, layout.windowOpsGroup},
      {RefreshButton, layout.refreshButton},
      {HelpButton, layout.helpButton},
      {SelectionCountLabel, layout.selectionCountLabel},
  };
  MoveInOneBatch(mainChildren);
  const Placement groupChildren[] = {
      {ArrangeButton, layout.arrangeButton},
      {HideOthersButton, layout.hideOthersButton},
  };
  MoveInOneBatch(groupChildren);
  RefreshControlTipRects();
  return 0;
}

void PlaceFixedControls(int dpi) {
  const Placement mainChildren[] = {
      {CompactButton, ScaleRect(kCompactButtonRect, dpi)},
      {ListCaption, ScaleRect(kListCaptionRect, dpi)},
  };
  MoveInOneBatch(mainChildren);
  const Placement groupChildren[] = {
      {DisplayCombo, ScaleRect(kDisplayComboRect, dpi)},
      {MenuBarButton, ScaleRect(kMenuBarButtonRect, dpi)},
      {AreaCombo, ScaleRect(kAreaComboRect, dpi)},
      {ColumnsLabel, ScaleRect(kColumnsLabelRect, dpi)},
      {ColumnsEdit, ScaleRect(kColumnsEditRect, dpi)},
      {RowsLabel, ScaleRect(kRowsLabelRect, dpi)},
      {RowsEdit, ScaleRect(kRowsEditRect, dpi)},
  };
  MoveInOneBatch(groupChildren);
}
