// The 21 controls of the main window, created once by BuildControlPanel and shared with
// every subsystem that fills or reads them. The seven window-operation controls are
// children of WindowOpsGroup; all others are children of the main window.
#pragma once

#include <windows.h>

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

extern HFONT PanelFont;

// Creates every control, its subclass procedure, its tooltip and the font. Runs inside
// WM_CREATE, so it takes the window being created: MainWindow is not yet set.
void BuildControlPanel(HWND mainWindow);
