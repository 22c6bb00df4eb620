// Dialogs built from in-memory templates that behave modally (their owner is
// disabled) yet run inside the program's one message loop, so no nested loop
// ever calls TranslateMessage on keys meant for a terminal.
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

// Creates the dialog owned by the terminal, disables the terminal, shows and
// activates the dialog and remembers it in terminal.dialog. param reaches the
// dialog procedure with WM_INITDIALOG. Returns null if it could not be created.
HWND OpenOwnedDialog(Terminal& terminal, const wchar_t* caption, short cx, short cy,
                     const std::vector<DialogItem>& items, DLGPROC procedure, LPARAM param);

// Re-enables the owner (before the dialog goes, so activation returns to it),
// forgets the dialog and destroys it.
void CloseOwnedDialog(HWND dialog);

// Gives a queued message to the dialog it belongs to, if any. Returns true
// when the dialog handled it, false when the caller should dispatch it.
bool RouteToDialog(MSG& message);
