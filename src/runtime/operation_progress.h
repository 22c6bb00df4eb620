// How far a long operation has come: "n / N" after the window's title, and the taskbar
// button's progress bar where the system offers one (ITaskbarList3). It shows half a second
// into the operation, also in the middle of a long step, and at most ten times a second.
#pragma once

#include <windows.h>

#include <cstddef>

// done of total terminals served; the first call starts the operation's clock.
void NoteProgress(std::size_t done, std::size_t total);

// Shows the last noted progress when it is due.
void ShowProgressWhenDue();

// How long a wait may sleep before the progress is due (INFINITE when nothing is noted).
DWORD MillisecondsUntilProgress();

// Puts the title back, clears the taskbar bar and forgets the clock.
void EndProgress();
