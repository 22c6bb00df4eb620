// The window's transparency as a mode of the panel: Alt+T and a double-click on the command box
// fade it out and back; the summon hot key, the options dialog and the system menu's two items
// leave it opaque.
#pragma once

void ToggleTransparency();

// Makes the main window opaque: the next fade fades it out.
void ForceOpaque();

// The options dialog, which leaves the window opaque.
void OpenOptions();
