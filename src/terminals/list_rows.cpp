// Rows of the terminal list box; see list_rows.h. Marking rows with LB_SETSEL sends no
// LBN_SELCHANGE, so callers keep SelectedTerminals in step themselves.
#include "terminals/list_rows.h"

#include <windows.h>

#include "panel.h"

const TerminalList& VisibleTerminals() {
  return GetWindowTextLengthW(FilterBox) > 0 ? FilteredTerminals : AllTerminals;
}

namespace {

int RowUpdateDepth = 0;

}  // namespace

RowUpdate::RowUpdate() {
  if (RowUpdateDepth++ == 0) SendMessageW(TerminalListBox, WM_SETREDRAW, FALSE, 0);
}

RowUpdate::~RowUpdate() {
  if (--RowUpdateDepth > 0) return;
  SendMessageW(TerminalListBox, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(TerminalListBox, nullptr, TRUE);
}

void FillListRows(const TerminalList& list) {
  RowUpdate update;
  SendMessageW(TerminalListBox, LB_RESETCONTENT, 0, 0);
  for (const TerminalEntry& entry : list) {
    SendMessageW(TerminalListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.title));
  }
}

// All rows are unmarked at once and only the selected ones are marked again: every message to
// the list box passes through its tooltip's subclass, which is slow under Wine.
void MarkRows(const TerminalList& shown) {
  RowUpdate update;
  SendMessageW(TerminalListBox, LB_SETSEL, FALSE, -1);
  const int rows = static_cast<int>(SendMessageW(TerminalListBox, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < rows && row < static_cast<int>(shown.size()); ++row) {
    if (ContainsWindow(SelectedTerminals, shown[row].window)) {
      SendMessageW(TerminalListBox, LB_SETSEL, TRUE, row);
    }
  }
}
