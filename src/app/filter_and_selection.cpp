// The filter box and the marks on the rows, handed to the terminal model, which keeps the lists
// and tells the rows and the selection's listeners.
#include "app/filter_and_selection.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/panel_state.h"
#include "terminals/terminal_model.h"
#include "terminals/title_filter.h"

// An empty box over an empty filter is the model's own clearing of the box, already shown.
void ApplyFilter() {
  // 255 units with the terminator: longer filter text takes part with its first 254 units.
  wchar_t filterText[kFilterTextLimit + 1];
  const int length = GetWindowTextW(Panel.FilterBox, filterText, kFilterTextLimit + 1);
  if (length <= 0 && PreparedFilter().empty()) return;
  FilterTerminals(length > 0 ? PrepareFilterText(Utf16View(filterText, length)) : Utf16String());
}

// The marked rows are read with one message rather than one per row; no more can be marked
// than there are rows.
void SyncSelectionFromList() {
  std::vector<int> rows(VisibleTerminals().size());
  const int read = static_cast<int>(SendMessageW(Panel.TerminalListBox, LB_GETSELITEMS, rows.size(),
                                                 reinterpret_cast<LPARAM>(rows.data())));
  rows.resize(static_cast<std::size_t>(std::max(read, 0)));
  SelectRows(rows);
}

void InvertSelection() {
  InvertShown();
  SetFocus(Panel.CommandBox);
}
