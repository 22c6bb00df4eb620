// An operation: what Flockhand does to terminals one after another (a paste, an arrangement,
// the menu bars, bringing forward and flashing, hiding the others) and every wait of its own
// thread. Its whole course, in the words the rest of runtime/ uses:
//
//  - It runs from the construction of a PacedOperation to its destruction. One started inside
//    another (a quick arrangement running the arrangement, a wait within a step) belongs to the
//    outer one; only the outermost one ends. Every wait is an operation too.
//  - It serves the terminals: ServeEach gives each its step, one completely before the next.
//    Terminals act on what they are asked when they next read their messages, so steps pause and
//    wait; meanwhile, and between steps, Flockhand reads its posted, sent, timer and paint
//    messages, so that its window repaints, answers other programs and is never taken for hung.
//    It never reads the user's input meanwhile.
//  - What the user does meanwhile goes into the journal (journal.h), in the order it was done:
//    keys are kept (the keyboard hook takes them from wherever they were going); clicks stay in
//    the queue and their places are noted; what would start another operation (a button, a
//    command, the groups menu, a row's double-click) is held (operation_guard.h), its sender
//    answered at once.
//  - Esc cancels: the terminal being served finishes its step and the rest are left alone.
//    Closing the window cancels too, and empties the journal: nothing typed before runs.
//  - When the outermost operation ends, its progress goes and the journal runs: each key, click
//    and held message in turn, exactly as if made then (a key goes to the control that has the
//    focus then); one that starts an operation runs it to its end before the next.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "terminals/terminal_entry.h"

// One operation, from construction to destruction. Flockhand's own modal dialogs that lead to
// an operation (the paste's confirmation, the options) open under one too.
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

// Gives each terminal, in list order, its step, one completely before the next, until the
// operation is cancelled. Progress (n of N) shows half a second into the operation.
void ServeEach(std::vector<TerminalEntry> terminals,
               const std::function<void(const TerminalEntry&)>& step);

// Waits the given time, reading messages.
void Pause(DWORD milliseconds);

// Waits at most the given time until done() holds, reading messages; true when it held.
bool WaitUntil(DWORD milliseconds, const std::function<bool()>& done);

// Waits at most the given time until the event is signalled or stop() holds, reading messages;
// the event wakes it at once, stop() is asked at every wake (a message, every lookMs), never
// before the first. True when the event was signalled.
bool WaitForEvent(HANDLE event, DWORD milliseconds, DWORD lookMs,
                  const std::function<bool()>& stop);
