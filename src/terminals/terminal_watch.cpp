// Window events on Windows, the sweep under Wine; see terminal_watch.h. Both end in one timer,
// and the windows are looked at only when `due` asks for it with TerminalsNow. A look passes the
// top-level windows, reads the class of each it has not seen before (a class never changes) and
// the title of each terminal; a listed terminal it did not pass has closed, unless it is still
// there (it moved in the z-order meanwhile).
// On Windows a look passes every window at once, a few milliseconds at 2000 terminals. Under Wine
// each of these reads is a round trip to the wineserver (even the enumeration asks for each
// window), 0.1 to 1 ms each with 2000 terminals on a busy processor: there a look goes on along
// the z-order for 100 windows at a time, every 50 ms, so that Flockhand answers meanwhile; with
// fewer windows it is over at once, and the next starts 500 ms later.
#include "terminals/terminal_watch.h"

#include <windows.h>

#include <iterator>
#include <utility>
#include <unordered_map>

#include "base/under_wine.h"
#include "terminals/discovery.h"
#include "terminals/terminal_contract.h"

namespace {

// Soon after a terminal opens, late enough to gather a burst of events into one look.
constexpr UINT kGatherMs = 50;
constexpr UINT kSweepMs = 500;  // under Wine: between the starts of two looks
constexpr UINT kSliceMs = 50;   // and between two parts of a look
constexpr int kWindowsPerSlice = 100;

// The watch while it runs: told once it starts, cleared when it stops.
struct WatchState {
  void (*Due)() = nullptr;
  HWINEVENTHOOK Hooks[2];
  bool Sweeping = false;  // no events (Wine): the windows are looked at in parts, in turn
  UINT_PTR Timer = 0;
  // What the looks have found: the terminals with their titles, whose destruction counts, and
  // the other top-level windows; the windows the look under way has passed, and where it goes on.
  std::unordered_map<HWND, Utf16String> Terminals;
  WindowSet Others, Passed;
  HWND Cursor = nullptr;
} Watch;

void ScheduleIn(UINT ms);

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, Watch.Timer);
  Watch.Timer = 0;
  if (Watch.Due) Watch.Due();
  if (Watch.Due && Watch.Sweeping) ScheduleIn(Watch.Cursor ? kSliceMs : kSweepMs);
}

void ScheduleIn(UINT ms) {
  if (!Watch.Timer) Watch.Timer = SetTimer(nullptr, 0, ms, OnTimer);
}

// Only whole top-level terminal windows count. A destroyed window can no longer tell its class:
// it counts when it was listed.
void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                            DWORD) {
  if (!window || object != OBJID_WINDOW || child != CHILDID_SELF) return;
  const bool counts = event == EVENT_OBJECT_DESTROY
                          ? Watch.Terminals.count(window) != 0
                          : GetAncestor(window, GA_ROOT) == window && HasTerminalClass(window);
  if (counts) ScheduleIn(kGatherMs);
}

void Unhook() {
  for (HWINEVENTHOOK& hook : Watch.Hooks) {
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
  Watch.Hooks[0] =
      SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_HIDE, nullptr, OnWindowEvent, 0, 0, kFlags);
  Watch.Hooks[1] = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                   OnWindowEvent, 0, 0, kFlags);
  if (Watch.Hooks[0] && Watch.Hooks[1]) return true;
  Unhook();
  return false;
}

void Pass(HWND window) {
  if (!Watch.Passed.insert(window).second || Watch.Others.count(window) != 0) return;
  const auto known = Watch.Terminals.find(window);
  if (known != Watch.Terminals.end()) {
    known->second = ReadTitle(window);
  } else if (std::optional<TerminalEntry> entry = TerminalOf(window)) {
    Watch.Terminals.emplace(window, std::move(entry->title));
  } else {
    Watch.Others.insert(window);
  }
}

BOOL CALLBACK PassWindow(HWND window, LPARAM) {
  Pass(window);
  return TRUE;
}

// Windows the look did not pass are forgotten, terminals only once gone.
void EndLook() {
  for (auto it = Watch.Terminals.begin(); it != Watch.Terminals.end();) {
    it = Watch.Passed.count(it->first) != 0 || IsWindow(it->first) ? std::next(it)
                                                                   : Watch.Terminals.erase(it);
  }
  for (auto it = Watch.Others.begin(); it != Watch.Others.end();) {
    it = Watch.Passed.count(*it) != 0 ? std::next(it) : Watch.Others.erase(it);
  }
  Watch.Passed.clear();
}

}  // namespace

void StartWatchingTerminals(void (*due)(), const TerminalList& listed) {
  if (Watch.Due) return;
  Watch.Due = due;
  for (const TerminalEntry& entry : listed) Watch.Terminals.emplace(entry.window, entry.title);
  Watch.Sweeping = !HookEvents();
  ScheduleIn(kGatherMs);
}

void StopWatchingTerminals() {
  Watch.Due = nullptr;
  Unhook();
  if (Watch.Timer) KillTimer(nullptr, Watch.Timer);
  Watch.Timer = 0;
  Watch.Terminals.clear();
  Watch.Others.clear();
  Watch.Passed.clear();
  Watch.Cursor = nullptr;
}

void WatchAgainSoon() {
  if (Watch.Due) ScheduleIn(kGatherMs);
}

TerminalList TerminalsNow() {
  if (!Watch.Sweeping) {
    EnumWindows(PassWindow, 0);
    EndLook();
  } else {
    if (!Watch.Cursor) Watch.Cursor = GetTopWindow(nullptr);
    for (int passed = 0; Watch.Cursor && passed < kWindowsPerSlice; ++passed) {
      Pass(Watch.Cursor);
      Watch.Cursor = GetWindow(Watch.Cursor, GW_HWNDNEXT);
    }
    if (!Watch.Cursor) EndLook();
  }
  TerminalList now;
  now.reserve(Watch.Terminals.size());
  for (const auto& [window, title] : Watch.Terminals) now.push_back({title, window});
  return now;
}
