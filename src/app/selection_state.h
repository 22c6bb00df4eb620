// Run after every change of the selection: enables the operation controls, reruns the grid
// suggestion and rewrites the counter.
#pragma once

void RefreshSelectionState();
