// The About dialog (dialog 103): the program's name, version and rights notice.
#pragma once

#include <windows.h>

// Runs the dialog modally, owned by owner (the main window); the caller decides about the
// opacity.
void AboutDialog(HWND owner);
