// The rows of TerminalListBox always are the visible list: FilteredTerminals while the
// filter box holds text, AllTerminals otherwise; row i is element i. A row is marked exactly
// while its terminal is selected.
#pragma once

#include "base/utf16.h"
#include "terminals/terminal_lists.h"

// The filter text as matching uses it, empty while the box is: set by ApplyFilter, which reads
// the box after every change of its text, so that nothing else needs to ask the box.
const Utf16String& PreparedFilter();
void SetPreparedFilter(Utf16String filter);

const TerminalList& VisibleTerminals();

// Pauses the list box's redrawing while rows are replaced or marked, then repaints it once: a
// list box that redraws its scroll bar for every added row, and each row as it is marked,
// makes hundreds of rows slow to fill. Updates may nest; the outermost one repaints.
class RowUpdate {
 public:
  RowUpdate();
  ~RowUpdate();
  RowUpdate(const RowUpdate&) = delete;
  RowUpdate& operator=(const RowUpdate&) = delete;
};

// Keeps the row shown at the top of the list while it lives: a refill starts again at the
// first row, but a user who scrolled expects the view to stay where it was when the rows are
// the same. The list box clamps the row to its rows.
class KeepTopRow {
 public:
  KeepTopRow();
  ~KeepTopRow();
  KeepTopRow(const KeepTopRow&) = delete;
  KeepTopRow& operator=(const KeepTopRow&) = delete;

 private:
  int topRow_;
};

// Replaces every row with one per element of `list`, in order, none marked.
void FillListRows(const TerminalList& list);

// Marks the runs of rows; `unmarkFirst` first unmarks every row, for rows that carry marks.
// The list does not scroll.
void MarkRuns(const RowRuns& runs, bool unmarkFirst);

// Replaces the rows with `rows` and marks the selected ones; SelectedTerminals keeps only the
// terminals shown, in row order.
void ShowRows(const TerminalList& rows);
