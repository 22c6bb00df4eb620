// See operation_guard.h.
#include "runtime/operation_guard.h"

#include <atomic>
#include <vector>

#include "runtime/kept_keys.h"
#include "runtime/operation_progress.h"

namespace {

int Depth = 0;  // operations under way, the outer one included
std::atomic<bool> Cancelled{false};
std::vector<MSG> Held;

bool IsCommand(UINT message) {
  return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_HOTKEY ||
         message == WM_CLOSE || message == WM_CONTEXTMENU;
}

bool IsClose(UINT message, WPARAM wParam) {
  return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

void ReleaseHeld() {
  std::vector<MSG> held;
  held.swap(Held);
  for (const MSG& message : held) {
    PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
  }
}

}  // namespace

PacedOperation::PacedOperation() {
  if (Depth++ == 0) Cancelled = false;
}

// The kept keys go to the input queue and what was held is posted: a held command runs before
// the keys typed meanwhile, as posted messages are read before input.
PacedOperation::~PacedOperation() {
  if (--Depth > 0) return;
  EndProgress();
  TypeKeptKeys();
  ReleaseHeld();
}

bool OperationRunning() { return Depth > 0; }

void CancelOperation() { Cancelled = true; }

bool OperationCancelled() { return Cancelled; }

bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Depth == 0) return false;
  Held.push_back(MSG{window, message, wParam, lParam, 0, {}});
  return true;
}

bool HeldCommandForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Depth == 0 || !IsCommand(message)) return false;
  if (IsClose(message, wParam)) Cancelled = true;
  return HeldForOperation(window, message, wParam, lParam);
}
