// The main window's transparency: a fade to the alpha setting and back, and full opacity
// restored before the dialogs and on the summon hot key. Whether the window is faded is the
// panel's mode.
#pragma once

#include <windows.h>

// Sets the layered window's alpha (0 invisible, 255 opaque); the colour key plays no part.
void SetWindowAlpha(HWND window, unsigned alpha);

// From 255 down to the alpha setting, and from the setting up to 255: one step per value with
// both ends included, without pauses. Each writes one debug line.
void FadeOut(HWND window);
void FadeIn(HWND window);

void MakeOpaque(HWND window);
