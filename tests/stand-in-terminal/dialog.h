// Dialogs built from in-memory templates and run modally, as a terminal program
// runs its own: a modal loop in the terminal's thread (the owner disabled
// meanwhile), ended with EndDialog, which activates the owner again.
#pragma once

#include <windows.h>

#include <vector>

#include "terminal.h"

// Predefined control classes of a dialog item template.
enum class ControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

struct DialogItem {
  ControlClass controlClass;
  DWORD style;         // WS_CHILD | WS_VISIBLE are added
  short x, y, cx, cy;  // dialog units
  WORD id;
  const wchar_t* text;
};

// Runs the dialog modally, owned by the terminal, and returns what EndDialog
// was given (-1 if it could not be created). terminal.dialogOpen is set while
// it runs; param reaches the dialog procedure with WM_INITDIALOG. The terminal
// may be closed meanwhile, which closes the dialog as well.
INT_PTR RunModalDialog(Terminal& terminal, const wchar_t* caption, short cx, short cy,
                       const std::vector<DialogItem>& items, DLGPROC procedure, LPARAM param);

// Posted by a dialog procedure to itself from WM_INITDIALOG: it arrives once the
// modal loop runs, with the dialog shown.
constexpr UINT kDialogShownMessage = WM_APP + 2;

// Keeps the modal loops from calling TranslateMessage on messages for the
// terminal windows: those go straight to their window, as the main loop does
// it. Installed once for the thread.
void InstallDialogLoopFilter();
