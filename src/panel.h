// The main window, its 21 controls and the module they belong to: created by app/ and shared
// with every subsystem that fills or reads them. The seven window-operation controls are
// children of WindowOpsGroup; all others are children of the main window.
#pragma once

#include <windows.h>

extern HINSTANCE ModuleHandle;
// Set only when CreateWindowExW returns: code that runs during WM_CREATE uses the handle it
// was given instead.
extern HWND MainWindow;

extern HWND CommandBox;
extern HWND CompactButton;
extern HWND ListCaption;
extern HWND FilterBox;
extern HWND TerminalListBox;
extern HWND ReverseOrderButton;
extern HWND InvertSelectionButton;
extern HWND FlashButton;
extern HWND WindowOpsGroup;
extern HWND DisplayCombo;
extern HWND MenuBarButton;
extern HWND AreaCombo;
extern HWND ColumnsLabel;
extern HWND ColumnsEdit;
extern HWND RowsLabel;
extern HWND RowsEdit;
extern HWND ArrangeButton;
extern HWND HideOthersButton;
extern HWND RefreshButton;
extern HWND HelpButton;
extern HWND SelectionCountLabel;
