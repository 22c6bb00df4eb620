// Rows of the terminal list box; see list_rows.h. Marking rows with LB_SETSEL sends no
// LBN_SELCHANGE, so callers keep SelectedTerminals in step themselves.
#include "app/list_rows.h"

#include <windows.h>

#include "app/panel_state.h"

namespace {

int RowUpdateDepth = 0;
Utf16String Filter;

}  // namespace

const Utf16String& PreparedFilter() { return Filter; }

void SetPreparedFilter(Utf16String filter) { Filter = std::move(filter); }

const TerminalList& VisibleTerminals() {
  return Filter.empty() ? AllTerminals : FilteredTerminals;
}

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

// A refill already starts at the first row.
KeepTopRow::~KeepTopRow() {
  if (topRow_ > 0) SendMessageW(Panel.TerminalListBox, LB_SETTOPINDEX, topRow_, 0);
}

void FillListRows(const TerminalList& list) {
  RowUpdate update;
  SendMessageW(Panel.TerminalListBox, LB_RESETCONTENT, 0, 0);
  for (const TerminalEntry& entry : list) {
    SendMessageW(Panel.TerminalListBox, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(entry.title.c_str()));
  }
}

// One message per run: every message to the list box passes through its tooltip's subclass,
// which is slow under Wine. LB_SELITEMRANGE, unlike LB_SETSEL on one row, leaves the caret alone
// and so does not scroll; its 16-bit row numbers suffice, as a session holds at most 65 536
// windows.
void MarkRuns(const RowRuns& runs, bool unmarkFirst) {
  RowUpdate update;
  if (unmarkFirst) SendMessageW(Panel.TerminalListBox, LB_SETSEL, FALSE, -1);
  for (const auto& [first, last] : runs) {
    SendMessageW(Panel.TerminalListBox, LB_SELITEMRANGE, TRUE, MAKELPARAM(first, last));
  }
}

// The rows are new, so none carries a mark yet.
void ShowRows(const TerminalList& rows) {
  RowUpdate update;
  FillListRows(rows);
  MarkRuns(KeepShown(SelectedTerminals, rows), false);
}
