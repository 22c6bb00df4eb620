// The panel's geometry: a left column (filter, list, order/selection/flash buttons), the
// window-operations group on the right, and two rows at the bottom (refresh button, then
// help button and selection counter).
#include "app/panel_layout.h"

PanelLayout ComputePanelLayout(int w, int h) {
  PanelLayout layout{};
  layout.commandBox = {10, 8, w - 20, 21};
  layout.compactButton = kCompactButtonRect;
  layout.listCaption = kListCaptionRect;
  layout.filterBox = {10, 60, w - 160, 21};
  layout.terminalList = {10, 80, w - 160, h - 205};
  layout.reverseOrderButton = {10, h - 123, w - 160, 22};
  layout.invertSelectionButton = {10, h - 98, w - 220, 22};
  layout.flashButton = {w - 205, h - 98, 55, 22};
  layout.windowOpsGroup = {w - 140, 55, 130, h - 130};
  layout.refreshButton = {10, h - 68, w - 20, 30};
  layout.helpButton = {10, h - 32, 24, 24};
  layout.selectionCountLabel = {w - 160, h - 30, 150, 20};
  layout.displayCombo = kDisplayComboRect;
  layout.menuBarButton = kMenuBarButtonRect;
  layout.areaCombo = kAreaComboRect;
  layout.columnsLabel = kColumnsLabelRect;
  layout.columnsEdit = kColumnsEditRect;
  layout.rowsLabel = kRowsLabelRect;
  layout.rowsEdit = kRowsEditRect;
  layout.arrangeButton = {8, 125, 115, h - 290};
  layout.hideOthersButton = {8, h - 160, 115, 22};
  return layout;
}
