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
  {
    RowUpdate update;
    if (length <= 0) {
      FillListRows(AllTerminals);
      MarkRows(AllTerminals);
    } else {
      FilteredTerminals.clear();
      const Utf16String filter = PrepareFilterText(Utf16View(filterText, length));
      for (const TerminalEntry& entry : AllTerminals) {
        if (TitleMatchesFilter(TitleOf(entry), filter)) FilteredTerminals.push_back(entry);
      }
      FillListRows(FilteredTerminals);
      KeepOnlyWindowsIn(SelectedTerminals, FilteredTerminals);
      MarkRows(FilteredTerminals);
    }
  }
  SelectionChanged();
}

// The marked rows are read with one message rather than one per row.
void SyncSelectionFromList() {
  const TerminalList& visible = VisibleTerminals();
  const int marked = static_cast<int>(SendMessageW(Panel.TerminalListBox, LB_GETSELCOUNT, 0, 0));
  std::vector<int> rows(static_cast<std::size_t>(std::max(marked, 0)));
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
  SendMessageW(Panel.TerminalListBox, LB_SETSEL, TRUE, -1);
  const TerminalList& visible = VisibleTerminals();
  const int rows = static_cast<int>(SendMessageW(Panel.TerminalListBox, LB_GETCOUNT, 0, 0));
  SelectedTerminals.clear();
  for (int row = 0; row < rows && row < static_cast<int>(visible.size()); ++row) {
    SelectedTerminals.push_back(visible[row]);
  }
  SelectionChanged();
}

void InvertSelection() {
  const TerminalList& visible = VisibleTerminals();
  SelectedTerminals = Unselected(visible, SelectedTerminals);
  MarkRows(visible);
  SelectionChanged();
  SetFocus(Panel.CommandBox);
}

// A filter that hid some of the terminals would leave a part of the group selected, and the
// next command would silently miss the rest: the filter is cleared first, as reverse order and
// refresh clear it, and every listed terminal of the group is selected.
std::size_t SelectTitled(const std::vector<Utf16String>& titles) {
  if (GetWindowTextLengthW(Panel.FilterBox) > 0)
    SetWindowTextW(Panel.FilterBox, L"");  // runs ApplyFilter
  SelectedTerminals = WithTitlesIn(AllTerminals, titles);
  MarkRows(AllTerminals);
  SelectionChanged();
  return SelectedTerminals.size();
}
