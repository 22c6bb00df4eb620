// Switching the selected terminals' menu bars off and on. MenuBarHidden is the direction of the
// last switch, not the state of any one terminal; the menu-bar button's caption names the next.
#pragma once

extern bool MenuBarHidden;

void ToggleMenuBar();
