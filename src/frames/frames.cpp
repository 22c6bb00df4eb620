// When the frames show, and which windows they go around: the selected terminals that are
// shown, not minimised and not cloaked, cut where any window lies over them (Flockhand's own
// included). The surfaces lie above all windows, so that a terminal kept on top, or raised over
// Flockhand, is framed too. Nothing here sends a terminal a message, so a hung terminal is
// framed like any other and holds nothing up.
#include "frames/frames.h"

#include <windows.h>
#include <dwmapi.h>

#include "frames/frame_geometry.h"
#include "frames/frame_surface.h"
#include "frames/frame_watch.h"
#include "terminals/terminal_lists.h"

namespace {

const bool* SwitchedOn = nullptr;
bool MainActive = false;
WindowSet Selected;

bool Wanted() { return SwitchedOn && *SwitchedOn && MainActive && !Selected.empty(); }

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

// Click-through windows (WS_EX_TRANSPARENT) are left out: overlays of other programs that lie
// over the whole screen would otherwise hide every frame.
BOOL CALLBACK CollectWindow(HWND window, LPARAM stackPointer) {
  auto& stack = *reinterpret_cast<std::vector<StackedWindow>*>(stackPointer);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (!(style & WS_VISIBLE) || (style & WS_MINIMIZE) || IsFrameSurface(window) ||
      (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) || IsCloaked(window)) {
    return TRUE;
  }
  stack.push_back({VisibleBounds(window), Selected.count(window) > 0});
  return TRUE;
}

void ShowOrHide() {
  if (Wanted()) {
    StartWatchingWindows();
    ScheduleFrameUpdate();
  } else {
    StopWatchingWindows();
    HideFrameSurfaces();
  }
}

}  // namespace

void AttachFramesSwitch(const bool* switchedOn) { SwitchedOn = switchedOn; }

void FollowActivation(bool active) {
  MainActive = active;
  ShowOrHide();
}

void RefreshFrames() {
  Selected = WindowsOf(SelectedTerminals);
  ShowOrHide();
}

void UpdateFrames() {
  if (!Wanted()) return;
  std::vector<StackedWindow> stack;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&stack));
  ShowFramePieces(VisibleFrames(stack));
}
