// Reversing the title order and re-discovering the terminals. Both clear the filter;
// a selected terminal keeps the title it had when it was selected, even after a refresh has
// read a newer one.
#include "app/order_and_refresh.h"

#include <windows.h>

#include "app/list_rows.h"
#include "app/panel_state.h"
#include "terminals/discovery.h"

void ReverseOrder() {
  RowUpdate update;
  KeepTopRow keep;
  ReverseTerminalOrder();
}

void RefreshTerminals() {
  {
    RowUpdate update;
    KeepTopRow keep;
    ReplaceTerminals(DiscoverTerminals());
  }
  SetFocus(Panel.CommandBox);
}
