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

// Replaces every row with one per element of `list`, in order, none marked.
void FillListRows(const TerminalList& list);

// Marks row i exactly when element i of `shown` is in SelectedTerminals; every other row is
// left unmarked.
void MarkRows(const TerminalList& shown);
