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

void (*Due)() = nullptr;
HWINEVENTHOOK Hooks[2];
bool Sweeping = false;  // no events (Wine): the windows are looked at in parts, in turn
UINT_PTR Timer = 0;

// What the looks have found: the terminals with their titles, whose destruction counts, and the
// other top-level windows; the windows the look under way has passed, and where it goes on.
std::unordered_map<HWND, Utf16String> Terminals;
WindowSet Others, Passed;
HWND Cursor = nullptr;

void ScheduleIn(UINT ms);

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, Timer);
  Timer = 0;
  if (Due) Due();
  if (Due && Sweeping) ScheduleIn(Cursor ? kSliceMs : kSweepMs);
}

void ScheduleIn(UINT ms) {
  if (!Timer) Timer = SetTimer(nullptr, 0, ms, OnTimer);
}

// Only whole top-level terminal windows count. A destroyed window can no longer tell its class:
// it counts when it was listed.
void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                            DWORD) {
  if (!window || object != OBJID_WINDOW || child != CHILDID_SELF) return;
  const bool counts = event == EVENT_OBJECT_DESTROY
                          ? Terminals.count(window) != 0
                          : GetAncestor(window, GA_ROOT) == window && HasTerminalClass(window);
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

void Pass(HWND window) {
  if (!Passed.insert(window).second || Others.count(window) != 0) return;
  const auto known = Terminals.find(window);
  if (known != Terminals.end()) {
    known->second = ReadTitle(window);
  } else if (std::optional<TerminalEntry> entry = TerminalOf(window)) {
    Terminals.emplace(window, std::move(entry->title));
  } else {
    Others.insert(window);
  }
}

BOOL CALLBACK PassWindow(HWND window, LPARAM) {
  Pass(window);
  return TRUE;
}

// Windows the look did not pass are forgotten, terminals only once gone.
void EndLook() {
  for (auto it = Terminals.begin(); it != Terminals.end();) {
    it = Passed.count(it->first) != 0 || IsWindow(it->first) ? std::next(it) : Terminals.erase(it);
  }
  for (auto it = Others.begin(); it != Others.end();) {
    it = Passed.count(*it) != 0 ? std::next(it) : Others.erase(it);
  }
  Passed.clear();
}

}  // namespace

void StartWatchingTerminals(void (*due)(), const TerminalList& listed) {
  if (Due) return;
  Due = due;
  for (const TerminalEntry& entry : listed) Terminals.emplace(entry.window, entry.title);
  Sweeping = !HookEvents();
  ScheduleIn(kGatherMs);
}

void StopWatchingTerminals() {
  Due = nullptr;
  Unhook();
  if (Timer) KillTimer(nullptr, Timer);
  Timer = 0;
  Terminals.clear();
  Others.clear();
  Passed.clear();
  Cursor = nullptr;
}

void WatchAgainSoon() {
  if (Due) ScheduleIn(kGatherMs);
}

TerminalList TerminalsNow() {
  if (!Sweeping) {
    EnumWindows(PassWindow, 0);
    EndLook();
  } else {
    if (!Cursor) Cursor = GetTopWindow(nullptr);
    for (int passed = 0; Cursor && passed < kWindowsPerSlice; ++passed) {
      Pass(Cursor);
      Cursor = GetWindow(Cursor, GW_HWNDNEXT);
    }
    if (!Cursor) EndLook();
  }
  TerminalList now;
  now.reserve(Terminals.size());
  for (const auto& [window, title] : Terminals) now.push_back({title, window});
  return now;
}
