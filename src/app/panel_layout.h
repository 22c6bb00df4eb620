// Where the 21 controls of the main window go for a given client size and DPI. Pure arithmetic,
// free of <windows.h>; sizes may come out negative in compact mode, for controls that are hidden
// then. Every length is designed at 96 DPI and scaled with ScaleToDpi, so at 96 DPI the layout
// is exactly the designed one.
#pragma once

struct LayoutRect {
  int x, y, width, height;
};

// The nine controls that LayoutControls never moves: created at these rectangles (at 96 DPI),
// they keep them at every size. All but the first two are children of WindowOpsGroup, in its
// coordinates; a combo box's height is its height with the list dropped down.
constexpr LayoutRect kCompactButtonRect = {10, 38, 18, 18};
constexpr LayoutRect kListCaptionRect = {30, 40, 150, 20};
constexpr LayoutRect kDisplayComboRect = {8, 18, 115, 100};
constexpr LayoutRect kMenuBarButtonRect = {8, 45, 115, 22};
constexpr LayoutRect kAreaComboRect = {8, 75, 115, 100};
constexpr LayoutRect kColumnsLabelRect = {8, 105, 15, 20};
constexpr LayoutRect kColumnsEditRect = {23, 100, 40, 21};
constexpr LayoutRect kRowsLabelRect = {68, 105, 15, 20};
constexpr LayoutRect kRowsEditRect = {83, 100, 40, 21};

// A rectangle designed at 96 DPI, at dpi.
LayoutRect ScaleRect(const LayoutRect& rect, int dpi);

struct PanelLayout {
  // Children of the main window, in creation order.
  LayoutRect commandBox, compactButton, listCaption, filterBox, terminalList, reverseOrderButton,
      invertSelectionButton, flashButton, windowOpsGroup, refreshButton, helpButton,
      selectionCountLabel;
  // Children of WindowOpsGroup, in its own coordinates; the last two are computed from the
  // main window's client height.
  LayoutRect displayCombo, menuBarButton, areaCombo, columnsLabel, columnsEdit, rowsLabel, rowsEdit,
      arrangeButton, hideOthersButton;
};

// The client size is in the display's own pixels, at dpi.
PanelLayout ComputePanelLayout(int clientWidth, int clientHeight, int dpi);
