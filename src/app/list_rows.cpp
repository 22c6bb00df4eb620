// Rows of the terminal list box; see list_rows.h.
#include "app/list_rows.h"

#include <windows.h>

#include <vector>

#include "app/panel_state.h"

namespace {

int RowUpdateDepth = 0;  // how many RowUpdates live: only the outermost repaints

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

// A refill already starts at the first row.
KeepTopRow::~KeepTopRow() {
  if (topRow_ > 0) SendMessageW(Panel.TerminalListBox, LB_SETTOPINDEX, topRow_, 0);
}

namespace {

// Replaces every row with one per visible terminal, in order, none marked.
void FillListRows() {
  SendMessageW(Panel.TerminalListBox, LB_RESETCONTENT, 0, 0);
  for (const TerminalEntry& entry : VisibleTerminals()) {
    SendMessageW(Panel.TerminalListBox, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(entry.title.c_str()));
  }
}

// One message per run: every message to the list box passes through its tooltip's subclass,
// which is slow under Wine. LB_SELITEMRANGE, unlike LB_SETSEL on one row, leaves the caret alone
// and so does not scroll; its 16-bit row numbers suffice, as a session holds at most 65 536
// windows.
void MarkRuns(const RowRuns& runs, bool unmarkFirst) {
  if (unmarkFirst) SendMessageW(Panel.TerminalListBox, LB_SETSEL, FALSE, -1);
  for (const auto& [first, last] : runs) {
    SendMessageW(Panel.TerminalListBox, LB_SELITEMRANGE, TRUE, MAKELPARAM(first, last));
  }
}

int ListRow(UINT message) {
  return static_cast<int>(SendMessageW(Panel.TerminalListBox, message, 0, 0));
}

void KeepOnTerminal(UINT message, int row, const std::vector<RowEdit>& edits, std::size_t rows) {
  if (row >= 0) SendMessageW(Panel.TerminalListBox, message, FollowRow(edits, row, rows), 0);
}

// A row's text is changed by deleting and inserting it, its mark kept: the list box keeps each
// row's mark with the row, and an inserted row comes unmarked. The first visible row, the caret
// and the anchor stay on their terminals; setting the caret scrolls to it, so the top row comes
// last.
void EditRows(const std::vector<RowEdit>& edits) {
  const int top = ListRow(LB_GETTOPINDEX), caret = ListRow(LB_GETCARETINDEX),
            anchor = ListRow(LB_GETANCHORINDEX);
  for (const RowEdit& edit : edits) {
    const auto row = static_cast<WPARAM>(edit.row);
    const bool marked = edit.kind == RowEdit::Kind::SetText &&
                        SendMessageW(Panel.TerminalListBox, LB_GETSEL, row, 0) > 0;
    if (edit.kind != RowEdit::Kind::Insert) {
      SendMessageW(Panel.TerminalListBox, LB_DELETESTRING, row, 0);
    }
    if (edit.kind != RowEdit::Kind::Delete) {
      SendMessageW(Panel.TerminalListBox, LB_INSERTSTRING, row,
                   reinterpret_cast<LPARAM>(edit.text.c_str()));
    }
    if (marked) SendMessageW(Panel.TerminalListBox, LB_SELITEMRANGE, TRUE, MAKELPARAM(row, row));
  }
  const std::size_t rows = VisibleTerminals().size();
  if (rows == 0) return;
  KeepOnTerminal(LB_SETCARETINDEX, caret, edits, rows);
  KeepOnTerminal(LB_SETANCHORINDEX, anchor, edits, rows);
  KeepOnTerminal(LB_SETTOPINDEX, top, edits, rows);
}

}  // namespace

// The filter box is emptied with the filter: its EN_UPDATE then finds nothing to apply.
void ShowRowsChange(const RowsChange& change) {
  RowUpdate update;
  switch (change.kind) {
    case RowsChange::Kind::Refill:
      if (change.filterCleared) SetWindowTextW(Panel.FilterBox, L"");
      FillListRows();
      MarkRuns(change.marks, false);
      return;
    case RowsChange::Kind::Mark: MarkRuns(change.marks, change.unmarkFirst); return;
    case RowsChange::Kind::MarkAll:
      SendMessageW(Panel.TerminalListBox, LB_SETSEL, TRUE, -1);
      return;
    case RowsChange::Kind::Edit: EditRows(change.edits); return;
  }
}
