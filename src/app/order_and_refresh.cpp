// Reversing the title order and re-discovering the terminals. Both clear the filter first;
// a selected terminal keeps the title it had when it was selected, even after a refresh has
// read a newer one.
#include "app/order_and_refresh.h"

#include <windows.h>

#include <algorithm>

#include "app/list_rows.h"
#include "app/panel_state.h"
#include "terminals/discovery.h"
#include "terminals/selection_listeners.h"
#include "terminals/title_order.h"

namespace {

bool SortDescendingNext = true;

}  // namespace

// The lists are sorted before the filter is cleared: clearing it runs ApplyFilter at once,
// which then fills and marks the rows in the new order, so the rows are filled only once.
void ReverseOrder() {
  RowUpdate update;
  KeepTopRow keep;
  const auto order = SortDescendingNext ? TitleDescending : TitleAscending;
  std::sort(AllTerminals.begin(), AllTerminals.end(), order);
  std::sort(SelectedTerminals.begin(), SelectedTerminals.end(), order);
  SortDescendingNext = !SortDescendingNext;
  SetWindowTextW(Panel.FilterBox, L"");
}

bool ListedDescending() { return !SortDescendingNext; }

void RefreshTerminals() {
  // The old list is dropped before the filter is cleared, so that clearing it does not refill
  // the rows with terminals that are about to be discovered again.
  {
    RowUpdate update;
    KeepTopRow keep;
    AllTerminals.clear();
    SetWindowTextW(Panel.FilterBox, L"");
    DiscoverTerminals();
    FillListRows(AllTerminals);
    std::sort(SelectedTerminals.begin(), SelectedTerminals.end(), TitleAscending);
    KeepOnlyWindowsIn(SelectedTerminals, AllTerminals);
    MarkRows(AllTerminals);
  }
  SelectionChanged();
  SetFocus(Panel.CommandBox);
  SortDescendingNext = true;
}
