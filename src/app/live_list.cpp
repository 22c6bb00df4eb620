// Applying the changes the watch finds to the lists and the rows; see live_list.h.
#include "app/live_list.h"

#include <windows.h>

#include <vector>

#include "app/list_rows.h"
#include "app/order_and_refresh.h"
#include "app/panel_state.h"
#include "runtime/operation_guard.h"
#include "terminals/selection_listeners.h"
#include "terminals/terminal_merge.h"
#include "terminals/terminal_watch.h"

namespace {

// The list box holds the capture from a press of the left button on its rows or its scroll bar
// to the release, also when the pointer has left it.
bool MouseHeldOnList() { return GetCapture() == Panel.TerminalListBox; }

ListView CurrentView() {
  return {!PreparedFilter().empty(), PreparedFilter(), ListedDescending()};
}

int ListRow(UINT message) {
  return static_cast<int>(SendMessageW(Panel.TerminalListBox, message, 0, 0));
}

void KeepOnTerminal(UINT message, int row, const std::vector<RowEdit>& edits, std::size_t rows) {
  if (row >= 0) SendMessageW(Panel.TerminalListBox, message, FollowRow(edits, row, rows), 0);
}

// A row's text is changed by deleting and inserting it, its mark kept: the list box keeps each
// row's mark with the row, and an inserted row comes unmarked. Setting the caret scrolls to it,
// so the top row comes last.
void EditRows(const std::vector<RowEdit>& edits) {
  RowUpdate update;
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

void FollowDesktop() {
  if (OperationRunning() || MouseHeldOnList()) {
    WatchAgainSoon();
    return;
  }
  const TerminalList now = TerminalsNow();
  const std::size_t selected = SelectedTerminals.size();
  const std::vector<RowEdit> edits =
      MergeTerminals(AllTerminals, FilteredTerminals, SelectedTerminals, CurrentView(), now);
  if (edits.empty()) return;
  EditRows(edits);
  if (SelectedTerminals.size() != selected) SelectionChanged();
}

}  // namespace

void SwitchLiveList(bool on) {
  if (on) {
    StartWatchingTerminals(FollowDesktop, AllTerminals);
  } else {
    StopWatchingTerminals();
  }
}
