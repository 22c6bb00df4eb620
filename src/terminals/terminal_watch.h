// Noticing terminals that open, close or are renamed, for the list that keeps itself current.
// Windows reports every window's creation, destruction, showing, hiding and renaming through
// window events, received out of context (no code of Flockhand's runs in the terminals): only
// the terminals' count, and a burst of them makes one look, 50 ms after the first. Nothing runs
// while no terminal changes. Wine 8 reports none of this for other programs' windows: there the
// windows are looked at every 500 ms instead, a part at a time where there are many. The watch
// exists only while the list follows the desktop.
#pragma once

#include "terminals/terminal_lists.h"

// Starts watching the terminals, `listed` the ones known; `due` runs on this thread each time
// they may have changed, and once soon after the start.
void StartWatchingTerminals(void (*due)(), const TerminalList& listed);
void StopWatchingTerminals();

// `due` could not act on the changes yet (an operation runs, a mouse button is held on the list):
// it runs again shortly, and the changes keep until then.
void WatchAgainSoon();

// The terminal windows as the look has found them so far, each once, those without a title
// included; a terminal the look under way has not reached yet as it was.
TerminalList TerminalsNow();
