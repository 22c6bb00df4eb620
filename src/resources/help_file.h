// The help the program carries (resource "HELP_CHM" of type "CHM"): written to fkh.chm in the
// Documents folder when asked for, shown with the system's HTML Help viewer, and deleted when
// the program ends.
#pragma once

#include <windows.h>

// Forms the path of fkh.chm; called once at the end of the main window's creation.
void FormChmPath();

// Loads the HTML Help library from the system folder and initialises it; called once, after
// the main window is shown and before the message loop. Without the library help shows nothing
// and everything else works.
void StartHtmlHelp();

// Closes every help window, writes the help file afresh and opens it for caller (the main
// window). Shows nothing when the file cannot be written.
void OpenHelp(HWND caller);

// At the main window's destruction: closes the help windows, deletes fkh.chm (also one that
// was there before the start) and shuts HTML Help down.
void EndHtmlHelp();
