// The comparisons flockhand_bench makes: against targets, and one for reference. Those over
// terminal windows share one Stage: 500 (or 2000) stand-in terminals and one running Flockhand.
// With `everySelected`, every terminal is selected before each run.
#pragma once

#include "measure.h"
#include "stage.h"

namespace bench {

// CreateProcess to the first paint: flockhand.exe against bare_panel.exe (Flockhand's 21
// controls with their font and nothing else: the least that showing this panel costs).
Comparison StartupBench(int runs);

// The same for bare_panel.exe against minimal_window.exe (one bare window): what the panel
// itself costs. A reference, without target.
Comparison StartupFloorBench(int runs);

// F5 (discovery and list fill) against EnumWindows, sort and list fill in this process.
Comparison RefreshBench(Stage& stage, int runs, bool everySelected);

// One filter keystroke that narrows the list against refilling this process's list box with
// the rows that match: "1" with nothing selected, "l" (the alpha fifth) with all selected.
Comparison FilterBench(Stage& stage, int runs, bool everySelected);

// F4 and Alt+R with every terminal selected, against the same sort, fill and marks here.
Comparison ReverseBench(Stage& stage, int runs);
Comparison InvertBench(Stage& stage, int runs);

// Recalling the saved group of every terminal with nothing selected, against the same marks and
// counter here.
Comparison RecallBench(Stage& stage, int runs);

// A key-down in the command box with the 100 alpha terminals (or every terminal) selected
// against reading their placements and posting the key-down from this process.
Comparison BroadcastBench(Stage& stage, int runs, bool everyTerminal);

// Clears Flockhand's filter and selects every terminal (Alt+A's command).
void SelectEveryTerminal(const Stage& stage);

// A fade of Flockhand's window to alpha 60 or back against the same 196 layered-alpha calls on
// an equal window of this process.
Comparison FadeBench(Stage& stage, int runs);

// A multi-line paste (no confirmation, no clicks) to 100 terminals against reading their
// placements and the clipboard's text and posting the paste command from this process.
Comparison PasteBench(Stage& stage, int runs);

// Alt+L with the 100 alpha terminals selected in a 10 x 10 grid, and hide others (the 400 beta
// terminals), each against the same window calls made from this process.
Comparison ArrangeBench(Stage& stage, int runs);
Comparison HideOthersBench(Stage& stage, int runs);

// Ten terminals arranged in a 300 x 300 grid against a 2 x 5 one: the cost follows the
// terminals, not the cells.
Comparison ArrangeGridSizeBench(Stage& stage, int runs);

// The frames with every terminal of the stage selected and Flockhand in front: its processor
// time while 50 terminals move (against the same with the frames off) and while nothing moves.
// Prints its own rows: a time per second, not a ratio, as the floor is next to nothing.
void FramesBench(Stage& stage);

}  // namespace bench
