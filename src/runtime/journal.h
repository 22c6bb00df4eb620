// The journal of what the user does while an operation runs. Terminals come to the front during
// one and Flockhand does not read its input then, so a key would reach whichever window happened
// to be in front, and a click would run before keys typed ahead of it. From the first wait or
// terminal served until the end, low-level hooks write down every key and every click on
// Flockhand in the order they came (keeping from the window in front the keys that Flockhand
// must have), and every message that would start something else is written down in its turn.
// When the operation is over the journal runs, one entry after the other, each as it would have
// run at that moment: a key goes to the control that has the focus then, as the very message
// Windows would have made of it (key_messages.h); a click's messages, waiting in Flockhand's
// queue, run in the click's place; an entry that starts an operation runs it to its end before
// the next, and what is typed meanwhile joins the journal's end. Esc cancels the operation and
// reaches nothing; a close cancels it, and nothing written down before it runs. Keys typed into
// another program are that program's; Alt+Tab, Alt+Esc and the Windows key's combinations stay
// the system's.
#pragma once

#include <windows.h>

// How the message loop handles an input message (accelerators, then the control); told once,
// at start-up.
void AttachJournalHandler(void (*handleInput)(MSG&));

// Sets the hook, once per operation; the hook calls cancel (on its own thread) for Esc and for
// Alt+F4 on Flockhand.
void StartJournal(void (*cancel)());

// Writes down a message that must wait for the end of the operation.
void JournalMessage(const MSG& message);

// A close of the window: what was written down is dropped and the close runs at the end.
void JournalClose(const MSG& message);
// Whether a message closes the window: WM_CLOSE, or SC_CLOSE (the close button, the taskbar).
bool IsCloseMessage(UINT message, WPARAM wParam);

// At the end of an operation: removes the hook, brings Flockhand forward when keys were kept,
// and runs the journal; while it runs already (an entry started an operation), only the hook
// goes.
void RunJournal();

// While the journal runs: a number of its own for each run, so that what should happen once
// per run (a warning) can tell. 0 when it does not run.
unsigned JournalRun();
