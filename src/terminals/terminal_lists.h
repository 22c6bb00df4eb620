// The three lists every operation works on, and membership by window handle (titles are
// never compared for membership). Free of <windows.h>.
#pragma once

#include <vector>

#include "terminals/terminal_entry.h"

using TerminalList = std::vector<TerminalEntry>;

extern TerminalList AllTerminals;       // every terminal found by the last discovery
extern TerminalList FilteredTerminals;  // those matching the filter text, in AllTerminals order
extern TerminalList SelectedTerminals;  // the selection, the target of every operation

bool ContainsWindow(const TerminalList& list, WindowHandle window);

// Removes from `selection` every entry whose window is not in `keep`; the rest keep their order.
void KeepOnlyWindowsIn(TerminalList& selection, const TerminalList& keep);
