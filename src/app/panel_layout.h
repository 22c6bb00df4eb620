// Where LayoutControls puts the controls for a given client size of the main window. Pure
// arithmetic, free of <windows.h>; sizes may come out negative in compact mode, for
// controls that are hidden then.
#pragma once

struct LayoutRect {
  int x, y, width, height;
};

struct PanelLayout {
  // Children of the main window, in the order they are moved.
  LayoutRect commandBox, filterBox, terminalList, reverseOrderButton, invertSelectionButton,
      flashButton, windowOpsGroup, refreshButton, helpButton, selectionCountLabel;
  // Children of WindowOpsGroup, in its own coordinates but computed from the main window's
  // client height.
  LayoutRect arrangeButton, hideOthersButton;
};

PanelLayout ComputePanelLayout(int clientWidth, int clientHeight);
