// A thread that looks at other programs' windows apart from Flockhand's own thread, below it in
// priority so that a look yields to the user's clicks and keys, and the message-only window its
// results are posted to, so that Flockhand's thread takes them in among its other messages.
#pragma once

#include <windows.h>

// Makes the results' window (class `className`, procedure `resultsProc`) and starts `look` on a
// thread of its own; gives the window.
HWND StartLookingThread(const wchar_t* className, WNDPROC resultsProc, LPTHREAD_START_ROUTINE look);
