// Window events on Windows, the look every 500 ms under Wine; see terminal_watch.h. Both end in
// one timer, and a look is made only when `due` asks for it with TerminalsNow. A look reads every
// top-level window's class and the terminals' titles: at 2000 terminals a few milliseconds on
// Windows, where it follows only the terminals' own events.
#include "terminals/terminal_watch.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "base/under_wine.h"
#include "terminals/discovery.h"
#include "terminals/terminal_contract.h"

namespace {

// Soon after a terminal opens, late enough to gather a burst of events into one look.
constexpr UINT kGatherMs = 50;
constexpr ULONGLONG kLookMs = 500;
constexpr ULONGLONG kLookShare = 10;  // a look takes at most a tenth of the time between looks

void (*Due)() = nullptr;
HWINEVENTHOOK Hooks[2];
bool Looking = false;  // no events: a look every 500 ms
WindowSet Listed;      // the terminals of the last look, whose destruction counts
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
  const bool counts = event == EVENT_OBJECT_DESTROY
                          ? Listed.count(window) != 0
                          : GetAncestor(window, GA_ROOT) == window && IsTerminalClass(window);
  if (counts) ScheduleIn(kGatherMs);
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
  constexpr DWORD kFlags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
  // Creation, destruction, showing and hiding; renaming.
  Hooks[0] =
      SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_HIDE, nullptr, OnWindowEvent, 0, 0, kFlags);
  Hooks[1] = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                             OnWindowEvent, 0, 0, kFlags);
  if (Hooks[0] && Hooks[1]) return true;
  Unhook();
  return false;
}

}  // namespace

void StartWatchingTerminals(void (*due)()) {
  if (Due) return;
  Due = due;
  Looking = !HookEvents();
  ScheduleIn(kGatherMs);
}

void StopWatchingTerminals() {
  Due = nullptr;
  Unhook();
  if (Timer) KillTimer(nullptr, Timer);
  Timer = 0;
  Listed.clear();
}

void WatchAgainSoon() {
  if (Due) ScheduleIn(kGatherMs);
}

TerminalList TerminalsNow() {
  TerminalList now = CollectTerminalWindows();
  if (!Looking) Listed = WindowsOf(now);
  return now;
}
