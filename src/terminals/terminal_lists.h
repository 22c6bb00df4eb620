// The three lists every operation works on, and membership by window handle (titles are
// never compared for membership). Free of <windows.h>.
#pragma once

#include <unordered_set>
#include <utility>
#include <vector>

#include "terminals/terminal_entry.h"

using TerminalList = std::vector<TerminalEntry>;

extern TerminalList AllTerminals;       // every terminal found by the last discovery
extern TerminalList FilteredTerminals;  // those matching the filter text, in AllTerminals order
extern TerminalList SelectedTerminals;  // the selection, the target of every operation

// The window handles of a list: built once per operation, so that asking whether each of
// thousands of rows is in the selection costs constant time per row, not a scan of the list.
using WindowSet = std::unordered_set<WindowHandle>;
WindowSet WindowsOf(const TerminalList& list);

// Removes from `selection` every entry whose window is not in `keep`; the rest keep their order.
void KeepOnlyWindowsIn(TerminalList& selection, const TerminalList& keep);

// The elements of `shown` whose window is not in `selection`, in order.
TerminalList Unselected(const TerminalList& shown, const TerminalList& selection);

// The elements of `shown` whose title is one of `titles`, in order: a saved group's terminals
// among those listed. Titles are what outlives a restart; window handles are not.
TerminalList WithTitlesIn(const TerminalList& shown, const std::vector<Utf16String>& titles);

// The runs of consecutive rows of `shown` whose window is in `selection`, as first and last
// row, in row order: marking a run takes one message to the list box instead of one per row.
std::vector<std::pair<std::size_t, std::size_t>> SelectedRuns(const TerminalList& shown,
                                                              const TerminalList& selection);
