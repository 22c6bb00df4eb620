// The panel's state in one place: the main window, its 21 controls, their tips and the window's
// modes.
// app/ owns it: the handles are written once, while the panel is built, and each mode only by
// its own switch. Each handle is stored here only: what a subsystem below app/ needs of them it
// reads through what the panel hands it when it is built (OnCreate in main_window.cpp).
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "app/control_tips.h"
#include "operations/window_ops_group.h"

struct PanelState {
  HINSTANCE ModuleHandle = nullptr;
  // Set first thing in WM_CREATE.
  HWND MainWindow = nullptr;

  // The seven window-operation controls (the four of WindowOps, MenuBarButton, ArrangeButton,
  // HideOthersButton) are children of WindowOpsGroup; all others are children of the main window.
  HWND CommandBox, CompactButton, ListCaption, FilterBox, TerminalListBox, ReverseOrderButton,
      InvertSelectionButton, FlashButton, WindowOpsGroup, MenuBarButton, ColumnsLabel, RowsLabel,
      ArrangeButton, HideOthersButton, RefreshButton, HelpButton, SelectionCountLabel;
  WindowOpsControls WindowOps;   // the display and area lists, the column and row counts
  HFONT Font = nullptr;          // the controls' font, made for the window's DPI
  std::vector<ControlTip> Tips;  // the twelve controls' tips, in creation order
  // The selection count the counter and the buttons show; none before the first refresh.
  std::optional<std::size_t> CountShown;

  // The window's modes. Only the frames' and the list's switches outlive the run (fkh.ini); the
  // others start off.
  bool CompactMode = false;         // only the command-box row shows (Alt+E)
  bool CaptionHints = false;        // seven buttons show their keys (F1)
  bool IsTransparent = false;       // faded to the alpha setting (Alt+T)
  bool MenuBarHidden = false;       // the last menu-bar switch hid them, so the next shows them
  bool ShowFrames = true;           // frames around the terminals that get the keys (system menu)
  bool ListFollowsDesktop = false;  // the list keeps itself current (system menu)
  // The full mode's height, kept while compact, with the DPI it was measured at.
  int NormalHeight = 0;
  int NormalHeightDpi = 0;
};

extern PanelState Panel;
