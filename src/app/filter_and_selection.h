// What the filter box and the list box tell of the user's filtering and selecting.
#pragma once

void ApplyFilter();            // the filter box's text changed (EN_UPDATE)
void SyncSelectionFromList();  // the user changed the marks (LBN_SELCHANGE)
void InvertSelection();        // the invert button, which then gives the command box the focus
