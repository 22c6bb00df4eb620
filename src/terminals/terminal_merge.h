// Folding a new look at the desktop into the terminal lists, for the list that follows the
// desktop by itself. Free of <windows.h>. Rows never jump under the user:
//  - a terminal that closed leaves the lists and the selection, and its row goes; one whose
//    title is empty for a while stays as it was, and one without a title is not listed yet;
//  - a renamed terminal keeps its row and its place, in the lists and in the selection; the
//    order is made again by the next F4 or F5, and whether it matches the filter is decided
//    again by the next edit of the filter text (so a rename never deselects anything);
//  - a new terminal goes before the first row that it precedes in the current order (so into
//    its place while the rows are in order), is listed under a filter only when its title
//    matches, and is never selected;
//  - the selection keeps its order; only closing takes a terminal out of it.
// The list box is edited row by row, never refilled, so its marks and scroll position stay.
#pragma once

#include <cstddef>
#include <vector>

#include "terminals/terminal_lists.h"

// How the rows show the lists: FilteredTerminals while the filter text is set, AllTerminals
// otherwise; in which title order.
struct ListView {
  bool filtered = false;
  Utf16String preparedFilter;  // PrepareFilterText of the filter box's text
  bool descending = false;
};

// One change to the list box. `row` counts the rows as they stand when the edit is made, after
// the edits before it.
struct RowEdit {
  enum class Kind { Insert, Delete, SetText };
  Kind kind;
  std::size_t row;
  Utf16String text;  // the row's new text; empty for Delete
};

// Brings the lists to `now` (the terminal windows as they are, each once, in any order, those
// without a title included) by the rules above, and gives the fewest row edits that turn the rows
// shown before into the rows of the new visible list: one per closed, renamed or new row that the
// view shows. While the filter text is empty, `filtered` is left as it is: it is read only under a
// filter.
std::vector<RowEdit> MergeTerminals(TerminalList& all, TerminalList& filtered,
                                    TerminalList& selected, const ListView& view,
                                    const TerminalList& now);

// Where row `row` is once `edits` are made, of the `rows` rows then shown: the place of its
// terminal, or of the first one after it that is still listed, or the last row when none is.
// Keeps the first visible row, the caret and the anchor on their terminals.
std::size_t FollowRow(const std::vector<RowEdit>& edits, std::size_t row, std::size_t rows);
