// Clipboard paste broadcast: every selected terminal is told to run its own paste command and
// reads the clipboard itself; Flockhand reads it only to choose how the commands go out.
#pragma once

// From the command box's right-button release and Alt+V; does nothing unless the command box
// has the keyboard focus.
void BroadcastPaste();

