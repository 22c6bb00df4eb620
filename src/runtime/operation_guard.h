// One operation at a time (operation.h). Every place an operation can start asks the guard
// first: while one runs, what would start another is written down in the journal (journal.h)
// with the keys typed meanwhile, the sender is answered at once, and all of it runs in its order
// when the operation is over. Closing the window cancels it and drops the journal.
#pragma once

#include <windows.h>

#include "runtime/operation.h"

// From the first wait or terminal served: the keys typed from now on are kept for the end.
void KeepInputForOperation();

// For the procedures where an operation starts (buttons, the command box, the list), first
// thing for the messages that start one: true when an operation runs and the message is held.
bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The same for the main window, which has every command, the groups menu and the close held;
// a close also cancels the running operation.
bool HeldCommandForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
