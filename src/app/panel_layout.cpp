// The panel's geometry: a left column (filter, list, order/selection/flash buttons), the
// window-operations group on the right, and two rows at the bottom (refresh button, then
// help button and selection counter). Controls follow the client area's edges: an offset from
// the right or bottom edge is scaled, the client size itself is already in pixels.
#include "app/panel_layout.h"

#include "base/dpi_scale.h"

LayoutRect ScaleRect(const LayoutRect& rect, int dpi) {
  return {ScaleToDpi(rect.x, dpi), ScaleToDpi(rect.y, dpi), ScaleToDpi(rect.width, dpi),
          ScaleToDpi(rect.height, dpi)};
}

PanelLayout ComputePanelLayout(int w, int h, int dpi) {
  const auto s = [dpi](int designed) { return ScaleToDpi(designed, dpi); };
  PanelLayout layout{};
  layout.commandBox = {s(10), s(8), w - s(20), s(21)};
  layout.compactButton = ScaleRect(kCompactButtonRect, dpi);
  layout.listCaption = ScaleRect(kListCaptionRect, dpi);
  layout.filterBox = {s(10), s(60), w - s(160), s(21)};
  layout.terminalList = {s(10), s(80), w - s(160), h - s(205)};
  layout.reverseOrderButton = {s(10), h - s(123), w - s(160), s(22)};
  layout.invertSelectionButton = {s(10), h - s(98), w - s(220), s(22)};
  layout.flashButton = {w - s(205), h - s(98), s(55), s(22)};
  layout.windowOpsGroup = {w - s(140), s(55), s(130), h - s(130)};
  layout.refreshButton = {s(10), h - s(68), w - s(20), s(30)};
  layout.helpButton = {s(10), h - s(32), s(24), s(24)};
  layout.selectionCountLabel = {w - s(160), h - s(30), s(150), s(20)};
  layout.displayCombo = ScaleRect(kDisplayComboRect, dpi);
  layout.menuBarButton = ScaleRect(kMenuBarButtonRect, dpi);
  layout.areaCombo = ScaleRect(kAreaComboRect, dpi);
  layout.columnsLabel = ScaleRect(kColumnsLabelRect, dpi);
  layout.columnsEdit = ScaleRect(kColumnsEditRect, dpi);
  layout.rowsLabel = ScaleRect(kRowsLabelRect, dpi);
  layout.rowsEdit = ScaleRect(kRowsEditRect, dpi);
  layout.arrangeButton = {s(8), s(125), s(115), h - s(290)};
  layout.hideOthersButton = {s(8), h - s(160), s(115), s(22)};
  return layout;
}
