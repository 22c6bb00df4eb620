// Reversing the title order and re-discovering the terminals. Both clear the filter;
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

// Shows every terminal in the order AllTerminals now has: a filter in place is cleared, and
// clearing it runs ApplyFilter at once, which shows them; otherwise they are shown here. Either
// way the rows are filled once and the selection follows the row order.
void ShowAllTerminals() {
  if (!PreparedFilter().empty()) {
    SetWindowTextW(Panel.FilterBox, L"");
    return;
  }
  ShowRows(AllTerminals);
  SelectionChanged();
}

}  // namespace

void ReverseOrder() {
  RowUpdate update;
  KeepTopRow keep;
  std::sort(AllTerminals.begin(), AllTerminals.end(),
            SortDescendingNext ? TitleDescending : TitleAscending);
  SortDescendingNext = !SortDescendingNext;
  ShowAllTerminals();
}

bool ListedDescending() { return !SortDescendingNext; }

void RefreshTerminals() {
  {
    RowUpdate update;
    KeepTopRow keep;
    AllTerminals.clear();
    DiscoverTerminals();
    ShowAllTerminals();
  }
  SetFocus(Panel.CommandBox);
  SortDescendingNext = true;
}
