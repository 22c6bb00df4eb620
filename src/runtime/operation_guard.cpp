// See operation_guard.h.
#include "runtime/operation_guard.h"

#include <atomic>

#include "runtime/journal.h"
#include "runtime/operation_progress.h"

namespace {

int Depth = 0;  // operations under way, the outer one included
std::atomic<bool> Cancelled{false};

bool IsCommand(UINT message) {
  return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_HOTKEY ||
         message == WM_CLOSE || message == WM_CONTEXTMENU;
}

bool IsClose(UINT message, WPARAM wParam) {
  return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

}  // namespace

PacedOperation::PacedOperation() {
  if (Depth++ == 0) Cancelled = false;
}

// What the user did meanwhile runs now, in the order it was done.
PacedOperation::~PacedOperation() {
  if (--Depth > 0) return;
  EndProgress();
  RunJournal();
}

bool OperationRunning() { return Depth > 0; }

void CancelOperation() { Cancelled = true; }

bool OperationCancelled() { return Cancelled; }

void KeepInputForOperation() { StartJournal(CancelOperation); }

bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Depth == 0) return false;
  JournalMessage(MSG{window, message, wParam, lParam, 0, {}});
  return true;
}

bool HeldCommandForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Depth == 0 || !IsCommand(message)) return false;
  if (!IsClose(message, wParam)) return HeldForOperation(window, message, wParam, lParam);
  Cancelled = true;
  JournalClose(MSG{window, message, wParam, lParam, 0, {}});
  return true;
}
