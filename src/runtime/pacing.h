// How Flockhand serves the terminals one after another. Terminals act on what they are asked
// when they next read their messages, so an operation pauses between them; it does so reading
// its own messages, so that its window repaints, answers other programs and is never taken for
// hung. Input is not read meanwhile: the keys are kept and whatever would start another operation
// waits for this one (journal.h, operation_guard.h).
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "runtime/operation_guard.h"
#include "terminals/terminal_entry.h"

// Runs step for each terminal in list order, one completely before the next, and returns how
// many were served. Once the operation is cancelled, the terminal being served finishes its
// step and the rest are left alone. Progress (n of N) shows half a second into the operation.
std::size_t ServeEach(std::vector<TerminalEntry> terminals,
                      const std::function<void(const TerminalEntry&)>& step);

// Waits the given time, reading messages.
void Pause(DWORD milliseconds);

// Waits at most the given time until done() holds, reading messages; true when it held.
bool WaitUntil(DWORD milliseconds, const std::function<bool()>& done);

// Waits at most the given time until the event is signalled or stop() holds, reading messages;
// the event wakes it at once, stop() is asked after every message and every lookMs. True when
// the event was signalled.
bool WaitForEvent(HANDLE event, DWORD milliseconds, DWORD lookMs,
                  const std::function<bool()>& stop);
