// The operation's start and end (operation.h) and the guard (operation_guard.h).
#include "runtime/operation_guard.h"

#include <atomic>

#include "runtime/journal.h"
#include "runtime/operation_progress.h"

namespace {

// The guard between operations. Cancelled is also set from the hook's thread.
struct GuardState {
  int Depth = 0;  // operations under way, the outer one included
  std::atomic<bool> Cancelled{false};
} Guard;

bool IsCommand(UINT message) {
  return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_HOTKEY ||
         message == WM_CLOSE || message == WM_CONTEXTMENU;
}

}  // namespace

PacedOperation::PacedOperation() {
  if (Guard.Depth++ == 0) Guard.Cancelled = false;
}

// What the user did meanwhile runs now, in the order it was done.
PacedOperation::~PacedOperation() {
  if (--Guard.Depth > 0) return;
  EndProgress();
  RunJournal();
}

bool OperationRunning() { return Guard.Depth > 0; }

void CancelOperation() { Guard.Cancelled = true; }

bool OperationCancelled() { return Guard.Cancelled; }

void KeepInputForOperation() { StartJournal(CancelOperation); }

bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Guard.Depth == 0) return false;
  JournalMessage(MSG{window, message, wParam, lParam, 0, {}});
  return true;
}

bool HeldCommandForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Guard.Depth == 0 || !IsCommand(message)) return false;
  if (!IsCloseMessage(message, wParam)) return HeldForOperation(window, message, wParam, lParam);
  Guard.Cancelled = true;
  JournalClose(MSG{window, message, wParam, lParam, 0, {}});
  return true;
}
