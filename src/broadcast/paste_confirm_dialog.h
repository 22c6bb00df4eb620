// The paste confirmation dialog: shows a multi-line text before it is pasted to the terminals.
#pragma once

#include <string>

// Runs the dialog modally, owned by the main window. It takes the text over and releases it as
// soon as the user decides: OK pastes to every selected terminal, Cancel (also Enter, Escape
// and the close box) pastes nothing.
void PasteConfirmDialog(std::wstring pasteText);
