// When the frames show, and which windows they go around: the selected terminals that are
// shown, not minimised and not cloaked, cut where any window lies over them (Flockhand's own
// included). The surfaces are put back above a window raised over them, and kept on top with a
// framed terminal that is, so that a terminal raised over Flockhand or kept on top is framed
// too. Nothing here sends a terminal a message, so a hung terminal is framed like any other and
// holds nothing up.
#include "frames/frames.h"

#include <windows.h>
#include <dwmapi.h>

#include "frames/frame_geometry.h"
#include "frames/frame_surface.h"
#include "frames/frame_watch.h"
#include "terminals/terminal_lists.h"

namespace {

bool SwitchedOn = false;
bool MainActive = false;
WindowSet Selected;

bool Wanted() { return SwitchedOn && MainActive && !Selected.empty(); }

// Hidden by the system although visible by its style: an app suspended or on another virtual
// desktop (Windows 8 and later).
bool IsCloaked(HWND window) {
  DWORD cloaked = 0;
  return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) &&
         cloaked;
}

// What the window shows of itself, in the display's own pixels. Windows 10 and later give
// windows an invisible border for resizing, inside the window rectangle; the system's frame
// bounds leave it out. Flockhand is per-monitor DPI aware, so both are physical pixels, whatever
// the terminal's own awareness. Under Wine the two are the same.
Box VisibleBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  RECT shown{};
  if (SUCCEEDED(
          DwmGetWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &shown, sizeof(shown))) &&
      shown.left < shown.right && shown.top < shown.bottom) {
    r = shown;
  }
  return {r.left, r.top, r.right, r.bottom};
}

// One look at the top-level windows, from the top: the stack the frames are cut from, and where
// the shown surfaces lie in it.
struct Look {
  std::vector<StackedWindow> stack;
  bool surfaceSeen = false;  // a shown surface came up
  bool framedAbove = false;  // a framed window lies above every shown surface, its frame below it
  bool framedKeptOnTop = false;
};

// Click-through windows (WS_EX_TRANSPARENT) are left out: overlays of other programs that lie
// over the whole screen would otherwise hide every frame.
BOOL CALLBACK CollectWindow(HWND window, LPARAM lookPointer) {
  Look& look = *reinterpret_cast<Look*>(lookPointer);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE)) return TRUE;
  if (IsFrameSurface(window)) {
    look.surfaceSeen = true;
    return TRUE;
  }
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if ((exStyle & WS_EX_TRANSPARENT) || IsCloaked(window)) return TRUE;
  const bool framed = Selected.count(window) > 0;
  look.framedAbove = look.framedAbove || (framed && !look.surfaceSeen);
  look.framedKeptOnTop = look.framedKeptOnTop || (framed && (exStyle & WS_EX_TOPMOST));
  look.stack.push_back({VisibleBounds(window), framed});
  return TRUE;
}

// Losing the activation paints the frames out; anything else that ends them hides the surfaces.
void ShowOrHide() {
  if (Wanted()) {
    StartWatchingWindows();
    ScheduleFrameUpdate();
    return;
  }
  StopWatchingWindows();
  if (SwitchedOn && !Selected.empty()) {
    PaintFramesOut();
  } else {
    HideFrameSurfaces();
  }
}

}  // namespace

void SwitchFrames(bool on) {
  SwitchedOn = on;
  ShowOrHide();
}

// The picture Flockhand left comes back at once; the next look brings it up to date.
void FollowActivation(bool active) {
  MainActive = active;
  if (Wanted()) PaintFramesIn();
  ShowOrHide();
}

void RefreshFrames() {
  Selected = WindowsOf(SelectedTerminals);
  ShowOrHide();
}

// The surfaces go up with a framed window kept on top, and stay below the others kept on top.
void UpdateFrames() {
  if (!Wanted()) return;
  Look look;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&look));
  ShowFramePieces(VisibleFrames(look.stack), look.framedKeptOnTop, look.framedAbove);
}
