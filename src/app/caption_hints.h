// Caption hints (F1): seven buttons show their shortcut key in their caption. The menu-bar
// button's caption also names what its next press does.
#pragma once

void ToggleCaptionHints();

// The menu-bar switch (button and Alt+M), then the button named for its next press.
void SwitchMenuBars();
