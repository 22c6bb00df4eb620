// When the frames show, and around which windows: the selected terminals (see frame_look.h).
#include "frames/frames.h"

#include "frames/frame_surface.h"
#include "frames/frame_watch.h"
#include "terminals/reach_watch.h"
#include "terminals/terminal_lists.h"

namespace {

// What the frames follow: the panel's switch, its activation, the selection and its reach.
struct FramesState {
  const bool* SwitchedOn = nullptr;
  bool MainActive = false;
  WindowSet Selected;
  WindowSet Muted;
} Frames;

bool Wanted() {
  return Frames.SwitchedOn && *Frames.SwitchedOn && Frames.MainActive && !Frames.Selected.empty();
}

// Of the selected terminals the keys do not reach as typed, those whose frame is grey.
WindowSet MutedAmong(const WindowSet& unreached) {
  WindowSet muted;
  for (const WindowHandle window : unreached) {
    if (FrameMuted(ReachOf(window))) muted.insert(window);
  }
  return muted;
}

bool SameWindows(const WindowSet& windows, const TerminalList& list) {
  if (windows.size() != list.size()) return false;
  for (const TerminalEntry& entry : list) {
    if (windows.count(entry.window) == 0) return false;
  }
  return true;
}

// Losing the activation paints the frames out; anything else that ends them hides the surfaces.
void ShowOrHide() {
  if (Wanted()) {
    StartWatchingWindows(Frames.Selected, Frames.Muted);
    return;
  }
  StopWatchingWindows();
  if (Frames.SwitchedOn && *Frames.SwitchedOn && !Frames.Selected.empty()) {
    PaintFramesOut();
  } else {
    HideFrameSurfaces();
  }
}

}  // namespace

void AttachFramesSwitch(const bool* switchedOn) { Frames.SwitchedOn = switchedOn; }

// The picture Flockhand left comes back at once; the next look brings it up to date.
void FollowActivation(bool active) {
  Frames.MainActive = active;
  if (Wanted()) PaintFramesIn();
  ShowOrHide();
}

void RefreshFrames() {
  Frames.Selected = WindowsOf(SelectedTerminals);
  Frames.Muted = MutedAmong(UnreachedWindows());
  ShowOrHide();
}

// A change of the selection's order alone changes no frame.
void FollowSelection() {
  if (!SameWindows(Frames.Selected, SelectedTerminals)) RefreshFrames();
}

void FollowReach() {
  if (Frames.Muted != MutedAmong(UnreachedWindows())) RefreshFrames();
}
