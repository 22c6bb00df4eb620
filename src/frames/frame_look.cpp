// One look at the windows; see frame_look.h.
#include "frames/frame_look.h"

#include <dwmapi.h>

#include "frames/frame_surface.h"

namespace {

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

// The windows from the top, as far as the look has come.
struct Walk {
  const WindowSet& framed;
  const WindowSet& muted;
  std::vector<StackedWindow> stack;
  bool surfaceSeen = false;  // a shown surface came up
  FrameLook look;
};

// Click-through windows (WS_EX_TRANSPARENT), the surfaces among them, are left out: overlays of
// other programs that lie over the whole screen would otherwise hide every frame.
BOOL CALLBACK CollectWindow(HWND window, LPARAM walkPointer) {
  Walk& walk = *reinterpret_cast<Walk*>(walkPointer);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE)) return TRUE;
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (exStyle & WS_EX_TRANSPARENT) {
    walk.surfaceSeen = walk.surfaceSeen || IsFrameSurface(window);
    return TRUE;
  }
  if (IsCloaked(window)) return TRUE;
  const bool framed = walk.framed.count(window) > 0;
  walk.look.framedAbove = walk.look.framedAbove || (framed && !walk.surfaceSeen);
  walk.look.framedKeptOnTop = walk.look.framedKeptOnTop || (framed && (exStyle & WS_EX_TOPMOST));
  walk.stack.push_back({VisibleBounds(window), framed, framed && walk.muted.count(window) > 0});
  return TRUE;
}

}  // namespace

FrameLook LookAtWindows(const WindowSet& framed, const WindowSet& muted) {
  Walk walk{framed, muted, {}, false, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&walk));
  walk.look.pieces = VisibleFrames(walk.stack);
  return walk.look;
}
