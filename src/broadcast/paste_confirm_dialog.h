// The paste confirmation dialog: shows a multi-line text before it is pasted to the terminals.
#pragma once

#include <string>

// Runs the dialog modally, owned by the main window, and releases the text as soon as the user
// decides. True for OK; false for Cancel (also Enter, Escape and the close box).
bool PasteConfirmDialog(std::wstring pasteText);
