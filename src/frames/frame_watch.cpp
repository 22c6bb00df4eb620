// Window events, the looks at the windows and, under Wine, the look every 100 ms; see
// frame_watch.h. The looks run on a thread of their own: under Wine one look at 500 framed
// terminals held Flockhand's thread for 200 ms, keeping waiting another program that sent it a
// message, and a look grows with the windows. Flockhand's thread owns the surfaces and paints
// the look it is handed, which costs what changed.
#include "frames/frame_watch.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <optional>

#include "base/looking_thread.h"
#include "base/under_wine.h"
#include "frames/frame_look.h"
#include "frames/frame_surface.h"

namespace {

// Soon enough to follow within 100 ms, late enough to gather a burst of events into one look.
constexpr DWORD kGatherMs = 30;
constexpr ULONGLONG kLookMs = 100;
constexpr ULONGLONG kLookShare = 10;  // a look takes at most a tenth of the time between looks
// To the looks' window on Flockhand's thread: a look is ready.
constexpr UINT kLookReady = WM_APP;
constexpr wchar_t kLooksClass[] = L"FlockhandFrameLooks";

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

// The event hooks: the terminals' windows, and Flockhand's own (its main window moving or
// changing size, a tooltip coming or going cover or uncover frames).
struct EventHooks {
  HWINEVENTHOOK Hooks[std::size(kEventRanges)];
  HWINEVENTHOOK OwnHook = nullptr;
  bool Hooked = false;
} Events;

// What the two threads share, under the lock. Never freed: the looking thread may still run as
// the process ends, when static objects are already gone.
struct Shared {
  SRWLOCK lock = SRWLOCK_INIT;
  HANDLE asked = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // a look is wanted
  HWND looks = nullptr;  // the window on Flockhand's thread that takes the looks
  bool watching = false;
  WindowSet framed;
  WindowSet muted;
  // Counts the watches: a look begun for an earlier one (another selection) is dropped.
  unsigned watch = 0;
  std::optional<FrameLook> ready;
  unsigned readyFor = 0;
};

Shared& State() {
  static Shared* const shared = new Shared;
  return *shared;
}

// The looking thread: a look shortly after it is asked for, and under Wine every 100 ms while
// the frames show, or less often when a look takes longer than a tenth of that.
DWORD WINAPI LookAgainAndAgain(void*) {
  Shared& s = State();
  DWORD next = INFINITE;
  for (;;) {
    WaitForSingleObject(s.asked, next);
    Sleep(kGatherMs);
    AcquireSRWLockExclusive(&s.lock);
    const bool watching = s.watching;
    const unsigned watch = s.watch;
    const WindowSet framed = s.framed;
    const WindowSet muted = s.muted;
    ReleaseSRWLockExclusive(&s.lock);
    next = INFINITE;
    if (!watching) continue;
    const ULONGLONG start = GetTickCount64();
    FrameLook look = LookAtWindows(framed, muted);
    if (UnderWine()) {
      next = static_cast<DWORD>(std::max(kLookMs, (GetTickCount64() - start) * kLookShare));
    }
    AcquireSRWLockExclusive(&s.lock);
    s.ready = std::move(look);
    s.readyFor = watch;
    ReleaseSRWLockExclusive(&s.lock);
    PostMessageW(s.looks, kLookReady, 0, 0);
  }
}

// On Flockhand's thread: the look is painted if the frames it was taken for still show.
LRESULT CALLBACK LooksProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kLookReady) return DefWindowProcW(window, message, wParam, lParam);
  Shared& s = State();
  std::optional<FrameLook> look;
  AcquireSRWLockExclusive(&s.lock);
  if (s.watching && s.readyFor == s.watch) look.swap(s.ready);
  ReleaseSRWLockExclusive(&s.lock);
  if (look) ShowFramePieces(look->pieces, look->framedKeptOnTop, look->framedAbove);
  return 0;
}

void StartLooking(Shared& s) {
  s.looks = StartLookingThread(kLooksClass, LooksProc, LookAgainAndAgain);
}

// Only whole top-level windows matter; their controls, carets and the mouse pointer do not,
// nor the frames' own surfaces.
void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                            DWORD) {
  if (window && object == OBJID_WINDOW && child == CHILDID_SELF &&
      GetAncestor(window, GA_ROOT) == window && !IsFrameSurface(window)) {
    ScheduleFrameUpdate();
  }
}

HWINEVENTHOOK Hook(DWORD first, DWORD last, DWORD process, DWORD flags) {
  return SetWinEventHook(first, last, nullptr, OnWindowEvent, process, 0,
                         WINEVENT_OUTOFCONTEXT | flags);
}

void HookEvents() {
  if (Events.Hooked) return;
  Events.Hooked = true;
  for (size_t i = 0; i < std::size(kEventRanges); ++i) {
    Events.Hooks[i] = Hook(kEventRanges[i].first, kEventRanges[i].last, 0, WINEVENT_SKIPOWNPROCESS);
  }
  // Wine 8 calls an out-of-context hook for its own process's events at a bad address (the
  // process crashes); there the look every 100 ms sees Flockhand's windows too.
  if (!UnderWine()) {
    Events.OwnHook = Hook(EVENT_OBJECT_SHOW, EVENT_OBJECT_LOCATIONCHANGE, GetCurrentProcessId(), 0);
  }
}

}  // namespace

void StartWatchingWindows(const WindowSet& framed, const WindowSet& muted) {
  Shared& s = State();
  if (!s.looks) StartLooking(s);
  AcquireSRWLockExclusive(&s.lock);
  s.watching = true;
  s.framed = framed;
  s.muted = muted;
  ++s.watch;
  ReleaseSRWLockExclusive(&s.lock);
  HookEvents();
  ScheduleFrameUpdate();
}

void StopWatchingWindows() {
  Shared& s = State();
  AcquireSRWLockExclusive(&s.lock);
  s.watching = false;
  s.ready.reset();
  ReleaseSRWLockExclusive(&s.lock);
  for (HWINEVENTHOOK& hook : Events.Hooks) {
    if (hook) UnhookWinEvent(hook);
    hook = nullptr;
  }
  if (Events.OwnHook) UnhookWinEvent(Events.OwnHook);
  Events.OwnHook = nullptr;
  Events.Hooked = false;
}

void ScheduleFrameUpdate() { SetEvent(State().asked); }
