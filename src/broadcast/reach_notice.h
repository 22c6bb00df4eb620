// The standing notice that names the selected terminals the keys do not reach as they are typed,
// and why; it goes when every one of them is reached again.
#pragma once

// Whenever the reach of a selected terminal changed.
void TellReach();
