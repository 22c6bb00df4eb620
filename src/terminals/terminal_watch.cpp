// Window events on Windows, the look every 500 ms under Wine; see terminal_watch.h. Both end in
// one timer, and a look is made only when `due` asks for it with TerminalsNow.
#include "terminals/terminal_watch.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <unordered_set>

#include "base/under_wine.h"
#include "terminals/discovery.h"
#include "terminals/terminal_contract.h"

namespace {

// Soon after a terminal opens, late enough to gather a burst of events into one look.
constexpr UINT kGatherMs = 50;
constexpr ULONGLONG kLookMs = 500;
constexpr ULONGLONG kLookShare = 10;  // a look takes at most a tenth of the time between looks

// Creation, destruction, showing and hiding; renaming.
constexpr struct {
  DWORD first, last;
} kEventRanges[] = {
    {EVENT_OBJECT_CREATE, EVENT_OBJECT_HIDE},
    {EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE},
};

void (*Due)() = nullptr;
HWINEVENTHOOK Hooks[std::size(kEventRanges)];
bool Looking = false;            // no events: every look is at every window
bool LookAtAll = false;          // the next look is at every window
std::unordered_set<HWND> Named;  // windows the events named since the last look
WindowSet Listed;                // the terminals of the last look, whose destruction counts
UINT_PTR Timer = 0;

void ScheduleIn(UINT ms);

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, Timer);
  Timer = 0;
  if (!Due) return;
  const ULONGLONG start = GetTickCount64();
  Due();
  if (Due && Looking) {
    ScheduleIn(static_cast<UINT>(std::max(kLookMs, (GetTickCount64() - start) * kLookShare)));
  }
}

void ScheduleIn(UINT ms) {
  if (!Timer) Timer = SetTimer(nullptr, 0, ms, OnTimer);
}

bool IsTerminalClass(HWND window) {
  wchar_t className[16];
  return GetClassNameW(window, className, 16) && wcscmp(className, kTerminalWindowClass) == 0;
}

// Only whole top-level terminal windows count. A destroyed window can no longer tell its class:
// it counts when it was listed.
void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                            DWORD) {
  if (!window || object != OBJID_WINDOW || child != CHILDID_SELF) return;
  const bool counts =
      event == EVENT_OBJECT_DESTROY
          ? Listed.count(window) != 0
          : GetAncestor(window, GA_PARENT) == GetDesktopWindow() && IsTerminalClass(window);
  if (!counts) return;
  Named.insert(window);
  ScheduleIn(kGatherMs);
}

void Unhook() {
  for (HWINEVENTHOOK& hook : Hooks) {
    if (hook) UnhookWinEvent(hook);
    hook = nullptr;
  }
}

// Wine 8 accepts the hooks but calls them for no other program's windows; where a hook cannot
// be set at all, the windows are looked at as under Wine.
bool HookEvents() {
  if (UnderWine()) return false;
  for (std::size_t i = 0; i < std::size(kEventRanges); ++i) {
    Hooks[i] = SetWinEventHook(kEventRanges[i].first, kEventRanges[i].last, nullptr, OnWindowEvent,
                               0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    if (!Hooks[i]) {
      Unhook();
      return false;
    }
  }
  return true;
}

}  // namespace

void StartWatchingTerminals(void (*due)()) {
  if (Due) return;
  Due = due;
  Looking = !HookEvents();
  LookAtAll = true;
  ScheduleIn(kGatherMs);
}

void StopWatchingTerminals() {
  Due = nullptr;
  Unhook();
  if (Timer) KillTimer(nullptr, Timer);
  Timer = 0;
  Named.clear();
  Listed.clear();
}

void WatchAgainSoon() {
  if (Due) ScheduleIn(kGatherMs);
}

TerminalList TerminalsNow(const TerminalList& listed) {
  TerminalList now;
  if (Looking || LookAtAll) {
    now = CollectTerminalWindows();
  } else {
    now.reserve(listed.size() + Named.size());
    for (const TerminalEntry& entry : listed) {
      if (Named.count(entry.window) == 0) now.push_back(entry);
    }
    for (HWND window : Named) {
      if (std::optional<TerminalEntry> entry = LookAtWindow(window)) now.push_back(*entry);
    }
  }
  LookAtAll = false;
  Named.clear();
  if (!Looking) Listed = WindowsOf(now);
  return now;
}
