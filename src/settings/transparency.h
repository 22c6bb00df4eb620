// The main window's transparency: a fade to the alpha setting and back, and full opacity
// restored before the dialogs and on the summon hot key.
#pragma once

#include <windows.h>

// Sets the layered window's alpha (0 invisible, 255 opaque); the colour key plays no part.
void SetWindowAlpha(HWND window, unsigned alpha);

// Fades from 255 down to the alpha setting when opaque, from the setting up to 255 when faded,
// one step per value with both ends included, without pauses. Writes one debug line per fade.
void ToggleTransparency(HWND window);

// Makes the window fully opaque again.
void ForceOpaque(HWND window);
