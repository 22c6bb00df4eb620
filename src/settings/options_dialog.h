// The options dialog: the fade's alpha with a live preview on the main window, and the two
// paste settings. OK stores them and rewrites fkh.ini; every end leaves the window opaque.
#pragma once

#include <windows.h>

// Runs the dialog modally, owned by owner: the main window, on which it previews the alpha and
// which it leaves opaque.
void OptionsDialog(HWND owner);
