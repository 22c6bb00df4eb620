// Keeping the reach of each selected terminal known (see reach.h) without a look on the key path:
// the looks run on a thread of their own, at each change of the selection (a refresh ends in one)
// and then every second while something is selected (less often where a look takes long), never
// more often than that; a hung terminal holds none of them up, as none sends it a message. What
// they find is handed to Flockhand's thread, which tells the listeners when a reach changed.
#pragma once

#include "terminals/reach.h"
#include "terminals/terminal_lists.h"

// At every change of the selection: the selected terminals are looked at as soon as the last
// look is a second old.
void WatchReach();

// As last judged; a window not judged yet counts as reachable.
Reach ReachOf(WindowHandle window);
// The selected terminals that do not take the keys now; empty most of the time, so a broadcast
// that asks costs nothing then.
const WindowSet& UnreachedWindows();

// A key posted to window was refused with error: a window gone, or one above Flockhand's
// integrity level (the system refuses posts there with ERROR_ACCESS_DENIED) whose level could
// not be read. Known at once, before the next look.
void NoteRefusedKey(WindowHandle window, unsigned long error);

using ReachListener = void (*)();
// Told on Flockhand's thread whenever the reach of a selected terminal changed.
void ListenToReach(ReachListener listener);
