// The rows of TerminalListBox always are the visible list: FilteredTerminals while the
// filter box holds text, AllTerminals otherwise; row i is element i.
#pragma once

#include "terminals/terminal_lists.h"

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

// Marks row i exactly when element i of `shown` is in SelectedTerminals; every other row is
// left unmarked. The list does not scroll.
void MarkRows(const TerminalList& shown);
