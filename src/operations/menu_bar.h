// Switching the selected terminals' menu bars off and on. Which way the next switch goes is the
// panel's: it is the direction of the last switch, not the state of any one terminal.
#pragma once

// Hides (hide) or shows the menu bar of each selected terminal, then gives Flockhand the
// foreground and the command box the keys again.
void SwitchMenuBars(bool hide);
