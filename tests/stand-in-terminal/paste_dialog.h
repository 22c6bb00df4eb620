// Paste (command 50230): reads the clipboard and pastes, asking first for a
// multi-line text when --confirm-paste is on.
#pragma once

#include "terminal.h"

void PasteFromClipboard(Terminal& terminal);
