// How Flockhand serves the terminals one after another. Terminals act on what they are asked
// when they next read their messages, so an operation pauses between them; it does so reading
// its own messages, so that its window repaints, answers other programs and is never taken for
// hung. What the user starts meanwhile waits for the operation: input stays in the queue, and
// commands that reach the main window are held and posted again once it is over, in the order
// they came. Esc cancels what remains; closing the window ends the operation first.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "terminals/terminal_entry.h"

// One operation, from construction to destruction. An operation started inside another (a
// quick arrangement running the arrangement) belongs to the outer one.
class PacedOperation {
 public:
  PacedOperation();
  ~PacedOperation();
  PacedOperation(const PacedOperation&) = delete;
  PacedOperation& operator=(const PacedOperation&) = delete;
};

// Runs step for each terminal in list order, one completely before the next. Once the user has
// cancelled, the terminal being served finishes its step and the rest are left alone. Progress
// (n of N) shows once the operation has run for half a second.
void ServeEach(std::vector<TerminalEntry> terminals,
               const std::function<void(const TerminalEntry&)>& step);

// Waits the given time, reading messages.
void Pause(DWORD milliseconds);

// Waits at most the given time until done() holds, reading messages; true when it held.
bool WaitUntil(DWORD milliseconds, const std::function<bool()>& done);

// True while an operation runs, also while it waits.
bool OperationRunning();

// For the main window procedure, first thing: true when the message has to wait for the running
// operation. It is then held, and posted again when the operation ends.
bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
