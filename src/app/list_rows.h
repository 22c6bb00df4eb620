// The rows of TerminalListBox: they show the terminal model's visible list, row i its element
// i, a row marked exactly while its terminal is selected (see terminals/terminal_model.h).
#pragma once

#include "terminals/terminal_model.h"

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

// The model's listener: makes the rows show its change. Marking rows with LB_SETSEL or
// LB_SELITEMRANGE sends no LBN_SELCHANGE, so no change comes back from the list box.
void ShowRowsChange(const RowsChange& change);
