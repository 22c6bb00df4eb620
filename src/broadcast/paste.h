// Clipboard paste broadcast: every selected terminal is told to run its own paste command and
// reads the clipboard itself; Flockhand reads it only to choose how the commands go out.
#pragma once

// From the command box's right-button release and Alt+V; does nothing unless the command box
// has the keyboard focus.
void BroadcastPaste();

// The paste command to each selected terminal in list order; with forcePaste, each terminal's
// own confirmation is awaited (at most ten looks, 100 ms apart) and its OK pressed before the
// next terminal.
void PostPasteCommands();
