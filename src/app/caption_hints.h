// Caption hints (F1): seven buttons show their shortcut key in their caption. The menu-bar
// button's caption also names what its next press does.
#pragma once

void ToggleCaptionHints();

// The menu-bar switch (button and Alt+M): hides the selected terminals' menu bars, or shows them
// when the last switch hid them; then the button is named for its next press.
void ToggleMenuBars();
