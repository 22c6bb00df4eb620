// One operation at a time. Every place an operation can start asks the guard first: while one
// runs, what would start another is written down in the journal (journal.h) with the keys typed
// meanwhile, the sender is answered at once, and all of it runs in its order when the operation
// is over. Esc cancels what remains; closing the window cancels it and drops the journal.
#pragma once

#include <windows.h>

// One operation, from construction to destruction. An operation started inside another (a
// quick arrangement running the arrangement) belongs to the outer one. Flockhand's own modal
// dialogs that lead to an operation (the paste's confirmation, the options) open under one too.
class PacedOperation {
 public:
  PacedOperation();
  ~PacedOperation();
  PacedOperation(const PacedOperation&) = delete;
  PacedOperation& operator=(const PacedOperation&) = delete;
};

// True while an operation runs, also while it waits.
bool OperationRunning();

// What is left of the running operation is left alone. Any thread may call it.
void CancelOperation();
bool OperationCancelled();

// From the first wait or terminal served: the keys typed from now on are kept for the end.
void KeepInputForOperation();

// For the procedures where an operation starts (buttons, the command box, the list), first
// thing for the messages that start one: true when an operation runs and the message is held.
bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The same for the main window, which has every command, the groups menu and the close held;
// a close also cancels the running operation.
bool HeldCommandForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
