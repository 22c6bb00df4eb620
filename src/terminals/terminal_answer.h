// Whether a terminal's thread is running, asked in a way that a hung terminal cannot hold.
#pragma once

#include <windows.h>

// Sends the terminal a message that does nothing and waits at most 300 ms for it to be handled,
// answering what is sent to Flockhand meanwhile.
// True when it was: the terminal is not hung and has handled what was sent to it before, the
// asynchronous window requests included. False at once for a closed window, and for a window
// that the system already takes for hung (five seconds without reading its messages).
bool TerminalAnswers(HWND terminal);
