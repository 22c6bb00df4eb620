// The filter and the selection. The selection's order is always the row order, never the
// order of the clicks; a selected terminal that the filter hides is deselected for good.
#include "app/filter_and_selection.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/list_rows.h"
#include "app/panel_state.h"
#include "terminals/selection_listeners.h"
#include "terminals/title_filter.h"

void ApplyFilter() {
  // 255 units with the terminator: longer filter text takes part with its first 254 units.
  wchar_t filterText[kFilterTextLimit + 1];
  const int length = GetWindowTextW(Panel.FilterBox, filterText, kFilterTextLimit + 1);
  SetPreparedFilter(length > 0 ? PrepareFilterText(Utf16View(filterText, length)) : Utf16String());
  if (PreparedFilter().empty()) {
    ShowRows(AllTerminals);
  } else {
    FilteredTerminals.clear();
    for (const TerminalEntry& entry : AllTerminals) {
      if (TitleMatchesFilter(TitleOf(entry), PreparedFilter())) FilteredTerminals.push_back(entry);
    }
    ShowRows(FilteredTerminals);
  }
  SelectionChanged();
}

// The marked rows are read with one message rather than one per row; no more can be marked
// than there are rows.
void SyncSelectionFromList() {
  const TerminalList& visible = VisibleTerminals();
  std::vector<int> rows(visible.size());
  const int read = static_cast<int>(SendMessageW(Panel.TerminalListBox, LB_GETSELITEMS, rows.size(),
                                                 reinterpret_cast<LPARAM>(rows.data())));
  rows.resize(static_cast<std::size_t>(std::max(read, 0)));
  SelectedTerminals.clear();
  for (int row : rows) {
    if (row >= 0 && row < static_cast<int>(visible.size())) {
      SelectedTerminals.push_back(visible[row]);
    }
  }
  SelectionChanged();
}

void SelectAllTerminals() {
  {
    RowUpdate update;
    SendMessageW(Panel.TerminalListBox, LB_SETSEL, TRUE, -1);
  }
  SelectedTerminals = VisibleTerminals();
  SelectionChanged();
}

// Rows carry marks exactly while something is selected.
void InvertSelection() {
  const bool marked = !SelectedTerminals.empty();
  MarkRuns(InvertWithin(SelectedTerminals, VisibleTerminals()), marked);
  SelectionChanged();
  SetFocus(Panel.CommandBox);
}

// A filter that hid some of the terminals would leave a part of the group selected, and the
// next command would silently miss the rest: the filter is cleared first, as reverse order and
// refresh clear it, and every listed terminal of the group is selected.
std::size_t SelectTitled(const std::vector<Utf16String>& titles) {
  if (!PreparedFilter().empty()) SetWindowTextW(Panel.FilterBox, L"");  // runs ApplyFilter
  const bool marked = !SelectedTerminals.empty();
  MarkRuns(SelectTitledWithin(SelectedTerminals, AllTerminals, titles), marked);
  SelectionChanged();
  return SelectedTerminals.size();
}
