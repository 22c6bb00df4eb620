// The three lists every operation works on, and membership by window handle (titles are
// never compared for membership). Free of <windows.h>.
#pragma once

#include <unordered_set>
#include <utility>
#include <vector>

#include "terminals/terminal_entry.h"

using TerminalList = std::vector<TerminalEntry>;

// Read-only: the terminal model (terminal_model.h) makes every change.
extern const TerminalList& AllTerminals;       // every terminal found by the last discovery
extern const TerminalList& FilteredTerminals;  // those matching the filter, in AllTerminals order
extern const TerminalList& SelectedTerminals;  // the selection, the target of every operation

// The window handles of a list: built once per operation, so that asking whether each of
// thousands of rows is in the selection costs constant time per row, not a scan of the list.
using WindowSet = std::unordered_set<WindowHandle>;
WindowSet WindowsOf(const TerminalList& list);

// Runs of consecutive rows, as first and last row, in row order: marking a run takes one
// message to the list box instead of one per row.
using RowRuns = std::vector<std::pair<std::size_t, std::size_t>>;

// Keeps in `selection` only the terminals that are rows of `shown`, each with the entry (and so
// the title) it had, in row order; gives the runs of rows they are.
RowRuns KeepShown(TerminalList& selection, const TerminalList& shown);

// Makes `selection` the rows of `shown` that it did not hold, in row order; gives their runs.
RowRuns InvertWithin(TerminalList& selection, const TerminalList& shown);

// Makes `selection` the rows of `shown` whose title is one of `titles`, in row order: a saved
// group's terminals among those listed (titles are what outlives a restart; window handles are
// not). Gives their runs.
RowRuns SelectTitledWithin(TerminalList& selection, const TerminalList& shown,
                           const std::vector<Utf16String>& titles);

// The elements of `shown` whose window is not in `selection`, in order.
TerminalList Unselected(const TerminalList& shown, const TerminalList& selection);
