// Keeping the frames on their terminals while they show, at no cost while nothing moves.
// Windows reports every top-level window that moves, changes size, is minimised, restored,
// shown, hidden, cloaked, closed or restacked through window events, received out of context
// (no code of Flockhand's runs in the terminals); the hooks exist only while the frames show.
// Wine 8 reports only the creation of other processes' windows; under Wine the windows are
// looked at every 100 ms instead, or less often when a look takes longer than a tenth of that,
// so that it never costs more than about a tenth of a processor. The looks run on a thread of
// their own and never hold Flockhand's.
#pragma once

#include "terminals/terminal_lists.h"

// The frames go around the framed windows from now on (again, after a change of selection or of
// the muted among them).
void StartWatchingWindows(const WindowSet& framed, const WindowSet& muted);
void StopWatchingWindows();
// The frames are drawn again shortly, once for any number of changes meanwhile.
void ScheduleFrameUpdate();
