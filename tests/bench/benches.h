// The comparisons flockhand_bench makes: four against targets and one for reference. The three over
// terminal windows share one Stage: 500 stand-in terminals and one running Flockhand.
#pragma once

#include "measure.h"
#include "stage.h"

namespace bench {

// CreateProcess to the first paint: flockhand.exe against minimal_window.exe.
Comparison StartupBench(int runs);

// The same for bare_panel.exe (Flockhand's 21 controls and nothing else) against
// minimal_window.exe: the least that showing this panel costs. A reference, without target.
Comparison StartupFloorBench(int runs);

// F5 (discovery and list fill) against EnumWindows, sort and list fill in this process.
Comparison RefreshBench(Stage& stage, int runs);

// One filter keystroke that narrows the list against refilling this process's list box with
// the rows that match.
Comparison FilterBench(Stage& stage, int runs);

// A key-down in the command box with 100 terminals selected against reading their placements
// and posting the key-down from this process.
Comparison BroadcastBench(Stage& stage, int runs);

// Alt+L with the 100 alpha terminals selected in a 10 x 10 grid, and hide others (the 400 beta
// terminals), each against the same window calls made from this process.
Comparison ArrangeBench(Stage& stage, int runs);
Comparison HideOthersBench(Stage& stage, int runs);

// Ten terminals arranged in a 300 x 300 grid against a 2 x 5 one: the cost follows the
// terminals, not the cells.
Comparison ArrangeGridSizeBench(Stage& stage, int runs);

}  // namespace bench
