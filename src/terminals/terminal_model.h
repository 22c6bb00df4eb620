// The terminal model: the three lists of terminal_lists.h, the filter they are seen through, the
// title order, and the only changes the program makes to them. Each change tells the listeners
// once it is complete: the rows hear what to show, then the selection's listeners hear that it
// may have changed. Nothing else writes the lists. Free of <windows.h>.
//
// The rows are the visible list: FilteredTerminals while the filter is set, AllTerminals
// otherwise; row i is element i, and a row is marked exactly while its terminal is selected.
// The selection's order is always the row order, never the order of the clicks; a selected
// terminal that the filter hides is deselected for good.
#pragma once

#include <cstddef>
#include <vector>

#include "terminals/terminal_lists.h"
#include "terminals/terminal_merge.h"

// What the rows must do to show the lists again after a change.
struct RowsChange {
  enum class Kind {
    Refill,   // every row anew, from VisibleTerminals(); then `marks` are marked
    Mark,     // `marks` are marked, every row unmarked first when `unmarkFirst`
    MarkAll,  // every row is marked
    Edit,     // `edits`, row by row, marks kept (the list that follows the desktop)
  };
  Kind kind;
  RowRuns marks;
  bool unmarkFirst = false;
  // Refill: the model cleared the filter (the box that holds its text is emptied too).
  bool filterCleared = false;
  std::vector<RowEdit> edits;
};

using RowsListener = void (*)(const RowsChange&);
using SelectionListener = void (*)();
// Listeners are told in the order they were registered.
void ListenToRows(RowsListener listener);
void ListenToSelection(SelectionListener listener);

const TerminalList& VisibleTerminals();
// The filter as matching uses it (PrepareFilterText of the box's text); empty while unset.
const Utf16String& PreparedFilter();
// Whether the rows are in descending title order (after an odd number of reversals).
bool ListedDescending();

// The terminals found on the desktop, in any order, replace the lists: sorted by title, the
// filter cleared, the selection kept where its terminals are still found.
void ReplaceTerminals(TerminalList found);
// Reverses the title order (ascending first, then descending, and so on); the filter is cleared.
void ReverseTerminalOrder();
// Lists the terminals whose titles match `preparedFilter`, or all of them when it is empty.
void FilterTerminals(Utf16String preparedFilter);
// The user marked exactly these rows (row numbers, any beyond the rows ignored).
void SelectRows(const std::vector<int>& rows);
void SelectAllShown();
// Selects the shown terminals that were not selected, and only them.
void InvertShown();
// Selects exactly the terminals whose titles are among `titles`, as clicks on their rows would;
// a filter in place is cleared first, so that no part of them is hidden. Gives how many.
std::size_t SelectTitled(const std::vector<Utf16String>& titles);
// Folds a new look at the desktop into the lists, as terminal_merge.h describes.
void MergeDesktop(const TerminalList& now);
