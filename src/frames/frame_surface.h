// The windows the frames are drawn on: one per display, the size of the display, layered with
// a colour key so that all but the frames is see-through, and click-through, never activated,
// never in the task bar nor in Alt+Tab. 2000 framed terminals still cost one window per display,
// where a window per frame would double the windows of the session (Wine's server gave out at
// about 4 670 windows of one class).
#pragma once

#include <windows.h>

#include <vector>

#include "frames/frame_geometry.h"

// Shows pieces (screen coordinates) on the surfaces, which are put above all windows when they
// are shown; the pieces leave out what windows cover. Only what changed is painted again.
// Surfaces are made for the displays there are the first time and after a display change.
void ShowFramePieces(const std::vector<FramePiece>& pieces);
void HideFrameSurfaces();
bool IsFrameSurface(HWND window);
