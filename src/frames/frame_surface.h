// The windows the frames are drawn on: two per display, one on each half, layered with a colour
// key so that all but the frames is see-through, click-through, disabled, never activated, never
// in the task bar nor in Alt+Tab. 2000 framed terminals still cost two windows per display,
// where a window per frame would double the windows of the session (Wine's server gave out at
// about 4 670 windows of one class).
//
// No surface is as large as a display: a window without a caption that covers a display is
// what the system takes for a full-screen application. Wine hands such a window to the window
// manager, and without one waits up to 2 s for it each time the window is hidden: Flockhand's
// thread was held as it lost the activation, its own activation (the raise included) waited
// behind that, and a click made meanwhile reached the window under it. Windows checks for a
// full-screen window as windows are activated and may put the task bar behind it.
//
// Nor is a surface shown or hidden as Flockhand gains or loses the activation: its frames are
// painted in or out, which costs the frames' own pixels, where showing a layered window costs
// the system its whole surface, and hiding a window is what a window manager may be waited for.
//
// The surfaces lie at the top of the ordinary windows, below those kept on top, unless a framed
// window is kept on top itself. Under Wine what the screen shows and the order Wine keeps (where
// clicks go) can part: Wine raises a window on the screen only when it becomes the top window of
// all, so surfaces kept above every window would leave a window raised meanwhile below others on
// the screen while clicks reach it; and a window that takes the focus goes on top of the screen
// without changing that order, so the surfaces are raised again whenever the frames come back.
#pragma once

#include <windows.h>

#include <vector>

#include "frames/frame_geometry.h"

// Shows pieces (screen coordinates) on the surfaces; the pieces leave out what windows cover.
// The surfaces are kept on top with the windows that are (keptOnTop), else at the top of the
// others, and are put there again when a framed window lies above them (covered). Only what
// changed is painted again. Surfaces are made for the displays there are the first time and
// after a display change.
void ShowFramePieces(const std::vector<FramePiece>& pieces, bool keptOnTop, bool covered);
// The frames painted out as Flockhand loses the activation, and the same picture painted in
// again as it regains it, until the next look brings it up to date.
void PaintFramesOut();
void PaintFramesIn();
// When no frame is wanted for longer: the switch is off, or nothing is selected.
void HideFrameSurfaces();
// On any thread.
bool IsFrameSurface(HWND window);
