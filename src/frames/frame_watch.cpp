// Window events and, under Wine, the look every 100 ms; see frame_watch.h. Both end in one
// timer, so that a burst of events (a terminal dragged across the screen sends one for every
// step) costs one frame update per 30 ms.
#include "frames/frame_watch.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "base/under_wine.h"
#include "frames/frame_surface.h"
#include "frames/frames.h"

namespace {

// Soon enough to follow within 100 ms, late enough to gather a burst of events into one update.
constexpr UINT kGatherMs = 30;
constexpr ULONGLONG kLookMs = 100;
constexpr ULONGLONG kLookShare = 10;  // a look takes at most a tenth of the time between looks

// Windows 8 and later; the headers show them only to programs that need that version.
constexpr DWORD kEventObjectCloaked = 0x8017, kEventObjectUncloaked = 0x8018;

// The event ranges that can change what the frames show.
constexpr struct {
  DWORD first, last;
} kEventRanges[] = {
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_DESTROY, EVENT_OBJECT_REORDER},  // destroy, show, hide, reorder
    {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE},
    {kEventObjectCloaked, kEventObjectUncloaked},
};

HWINEVENTHOOK Hooks[std::size(kEventRanges)];
// Flockhand's own windows: its main window moving or changing size, a tooltip coming or going,
// cover or uncover frames.
HWINEVENTHOOK OwnHook = nullptr;
bool Watching = false;
UINT_PTR PendingTimer = 0;
ULONGLONG LookEveryMs = kLookMs;

void ScheduleIn(UINT ms);

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, PendingTimer);
  PendingTimer = 0;
  const ULONGLONG start = GetTickCount64();
  UpdateFrames();
  if (!Watching || !UnderWine()) return;
  LookEveryMs = std::max(kLookMs, (GetTickCount64() - start) * kLookShare);
  ScheduleIn(static_cast<UINT>(LookEveryMs));
}

void ScheduleIn(UINT ms) {
  if (!PendingTimer) PendingTimer = SetTimer(nullptr, 0, ms, OnTimer);
}

// Only whole top-level windows matter; their controls, carets and the mouse pointer do not,
// nor the frames' own surfaces.
void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                            DWORD) {
  if (window && object == OBJID_WINDOW && child == CHILDID_SELF &&
      GetAncestor(window, GA_ROOT) == window && !IsFrameSurface(window)) {
    ScheduleIn(kGatherMs);
  }
}

HWINEVENTHOOK Hook(DWORD first, DWORD last, DWORD process, DWORD flags) {
  return SetWinEventHook(first, last, nullptr, OnWindowEvent, process, 0,
                         WINEVENT_OUTOFCONTEXT | flags);
}

}  // namespace

void StartWatchingWindows() {
  if (Watching) return;
  Watching = true;
  for (size_t i = 0; i < std::size(kEventRanges); ++i) {
    Hooks[i] = Hook(kEventRanges[i].first, kEventRanges[i].last, 0, WINEVENT_SKIPOWNPROCESS);
  }
  // Wine 8 calls an out-of-context hook for its own process's events at a bad address (the
  // process crashes); there the look every 100 ms sees Flockhand's windows too.
  if (!UnderWine()) {
    OwnHook = Hook(EVENT_OBJECT_SHOW, EVENT_OBJECT_LOCATIONCHANGE, GetCurrentProcessId(), 0);
  }
  ScheduleIn(kGatherMs);
}

void StopWatchingWindows() {
  Watching = false;
  for (HWINEVENTHOOK& hook : Hooks) {
    if (hook) UnhookWinEvent(hook);
    hook = nullptr;
  }
  if (OwnHook) UnhookWinEvent(OwnHook);
  OwnHook = nullptr;
  if (PendingTimer) KillTimer(nullptr, PendingTimer);
  PendingTimer = 0;
}

void ScheduleFrameUpdate() { ScheduleIn(kGatherMs); }
