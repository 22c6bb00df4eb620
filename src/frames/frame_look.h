// One look at the top-level windows: where the frames of the framed windows show, which are the
// selected terminals that are shown, not minimised and not cloaked, cut where any window lies
// over them (Flockhand's own included), and where the frame surfaces lie among the windows. It
// reads the windows' properties and sends no window a message, so a hung terminal is framed like
// any other and holds nothing up, and it runs on a thread of its own (see frame_watch.h).
#pragma once

#include <windows.h>

#include <vector>

#include "frames/frame_geometry.h"
#include "terminals/terminal_lists.h"

struct FrameLook {
  std::vector<FramePiece> pieces;  // screen coordinates
  bool framedKeptOnTop = false;    // a framed window is kept on top: the surfaces go there too
  bool framedAbove = false;        // a framed window lies above the shown surfaces, its frame below
};

// The muted among the framed get a grey frame.
FrameLook LookAtWindows(const WindowSet& framed, const WindowSet& muted);
