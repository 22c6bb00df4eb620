// What the panel shows of the selection: the operation controls that need one, the grid
// suggestion and the counter. A listener of the selection, registered when the panel is built.
#pragma once

void RefreshSelectionState();
