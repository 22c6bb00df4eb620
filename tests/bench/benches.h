// The comparisons flockhand_bench makes: against targets, and one for reference. Those over
// terminal windows share one Stage: 500 (or 2000) stand-in terminals, one running Flockhand and
// its floor. With `everySelected`, every terminal is selected before each run.
#pragma once

#include <vector>

#include "measure.h"
#include "stage.h"

namespace bench {

// The longest a program may take to answer another process while it paces the terminals.
constexpr double kAnswerLimitMs = 100;

// CreateProcess to the first paint: flockhand.exe against bare_panel.exe (Flockhand's 21
// controls with their font and nothing else: the least that showing this panel costs).
Comparison StartupBench(int runs);

// The same for bare_panel.exe against minimal_window.exe (one bare window): what the panel
// itself costs. A reference, without target.
Comparison StartupFloorBench(int runs);

// F5 (discovery and list fill), and one filter keystroke that narrows the list: "1" with nothing
// selected, "l" (the alpha fifth) with all selected.
Comparison RefreshBench(Stage& stage, int runs, bool everySelected);
Comparison FilterBench(Stage& stage, int runs, bool everySelected);

// F4 and Alt+R with every terminal selected.
Comparison ReverseBench(Stage& stage, int runs);
Comparison InvertBench(Stage& stage, int runs);

// The recall of the first saved group, which holds every title, with nothing selected.
Comparison RecallBench(Stage& stage, int runs);

// A key-down in the command box with the 100 alpha terminals (or every terminal) selected.
Comparison BroadcastBench(Stage& stage, int runs, bool everyTerminal);

// A fade of the main window to alpha 60 or back.
Comparison FadeBench(Stage& stage, int runs);

// A multi-line paste (no confirmation, no clicks) to 100 terminals.
Comparison PasteBench(Stage& stage, int runs);

// The paced operations, each timed to its end, with the longest answer meanwhile as a second
// row: a single line pasted to 60 terminals, Alt+L with the 100 alpha terminals in a 10 x 10
// grid, and the menu bars switched off on 60 terminals. Hide others (the 400 beta terminals)
// has no answer row.
std::vector<Comparison> SingleLinePasteBench(Stage& stage, int runs);
// A single line and lines pasted to the 200 alpha terminals of their scene, each at most 3 s,
// with the longest answer meanwhile as a second row.
std::vector<Comparison> SingleLinePaste200Bench(Stage& stage, int runs);
std::vector<Comparison> LinesPaste200Bench(Stage& stage, int runs);
std::vector<Comparison> ArrangeBench(Stage& stage, int runs);
Comparison HideOthersBench(Stage& stage, int runs);
std::vector<Comparison> MenuBarBench(Stage& stage, int runs);

// Flockhand arranging ten terminals in a 300 x 300 grid against a 2 x 5 one: the cost follows
// the terminals, not the cells.
Comparison ArrangeGridSizeBench(Stage& stage, int runs);

// Flockhand's processor time per second with the frames around 500 selected terminals while 50
// of them move (or nothing moves), against the same with its frames switched off.
Comparison FramesBench(Stage& stage, int runs, bool moving);
// From another window's activation until Flockhand has handled it and its frames around every
// terminal are painted out, or from its own until they are painted in: against the same with
// the frames off.
Comparison FramesFollowBench(Stage& stage, int runs, bool activation);

// The list that keeps itself current at 2000 terminals; see live_list_bench.cpp.
std::vector<Comparison> LiveListBench(Stage& stage, int runs);

}  // namespace bench
