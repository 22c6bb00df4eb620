// Rows of the terminal list box; see list_rows.h. Marking rows with LB_SETSEL sends no
// LBN_SELCHANGE, so callers keep SelectedTerminals in step themselves.
#include "app/list_rows.h"

#include <windows.h>

#include "app/panel_state.h"

const TerminalList& VisibleTerminals() {
  return GetWindowTextLengthW(Panel.FilterBox) > 0 ? FilteredTerminals : AllTerminals;
}

namespace {

int RowUpdateDepth = 0;

}  // namespace

RowUpdate::RowUpdate() {
  if (RowUpdateDepth++ == 0) SendMessageW(Panel.TerminalListBox, WM_SETREDRAW, FALSE, 0);
}

RowUpdate::~RowUpdate() {
  if (--RowUpdateDepth > 0) return;
  SendMessageW(Panel.TerminalListBox, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Panel.TerminalListBox, nullptr, TRUE);
}

KeepTopRow::KeepTopRow()
    : topRow_(static_cast<int>(SendMessageW(Panel.TerminalListBox, LB_GETTOPINDEX, 0, 0))) {}

KeepTopRow::~KeepTopRow() { SendMessageW(Panel.TerminalListBox, LB_SETTOPINDEX, topRow_, 0); }

void FillListRows(const TerminalList& list) {
  RowUpdate update;
  SendMessageW(Panel.TerminalListBox, LB_RESETCONTENT, 0, 0);
  for (const TerminalEntry& entry : list) {
    SendMessageW(Panel.TerminalListBox, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(entry.title.c_str()));
  }
}

// All rows are unmarked at once, then each run of selected rows is marked with one message:
// every message to the list box passes through its tooltip's subclass, which is slow under Wine.
// LB_SELITEMRANGE, unlike LB_SETSEL on one row, leaves the caret alone and so does not scroll;
// its 16-bit row numbers suffice, as a session holds at most 65 536 windows.
void MarkRows(const TerminalList& shown) {
  RowUpdate update;
  SendMessageW(Panel.TerminalListBox, LB_SETSEL, FALSE, -1);
  const auto rows =
      static_cast<std::size_t>(SendMessageW(Panel.TerminalListBox, LB_GETCOUNT, 0, 0));
  for (const auto& [first, last] : SelectedRuns(shown, SelectedTerminals)) {
    if (last >= rows) break;
    SendMessageW(Panel.TerminalListBox, LB_SELITEMRANGE, TRUE, MAKELPARAM(first, last));
  }
}
