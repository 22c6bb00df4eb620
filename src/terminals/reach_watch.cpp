// The looks at the selected terminals' reach; see reach_watch.h. Like the frames' looks they run
// on a thread of their own below Flockhand's: a look at 500 terminals under Wine is a few
// thousand calls to its server, and none of it may stand between the user and a key.
#include "terminals/reach_watch.h"

#include <windows.h>
#include <shobjidl.h>

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

#include "base/looking_thread.h"
#include "base/under_wine.h"
#include "terminals/discovery.h"

namespace {

// The looks come at most once a second: a look of its own for each key would cost the
// broadcast what it costs now several times over. A look takes at most a tenth of the time
// between looks: under Wine one at 2000 terminals takes a good part of a second.
constexpr ULONGLONG kLookEveryMs = 1000;
constexpr ULONGLONG kLookShare = 10;
// To the results' window on Flockhand's thread: a look is ready; keys were refused.
constexpr UINT kLookReady = WM_APP;
constexpr UINT kKeysRefused = WM_APP + 1;
constexpr wchar_t kResultsClass[] = L"FlockhandReach";

using Judgements = std::vector<std::pair<HWND, Reach>>;

// What the two threads share, under the lock. Never freed: the looking thread may still run as
// the process ends, when static objects are already gone.
struct Shared {
  SRWLOCK lock = SRWLOCK_INIT;
  HANDLE asked = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // a look is wanted now
  HWND results = nullptr;
  std::vector<HWND> watched;
  // Counts the selections: a look begun for an earlier one is dropped.
  unsigned watch = 0;
  Judgements ready;
  unsigned readyFor = 0;
};

Shared& State() {
  static Shared* const shared = new Shared;
  return *shared;
}

// --- The looking thread's own.

// Windows 10 and later; the headers show it only to programs that need that version.
struct IVirtualDesktopManager : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE IsWindowOnCurrentVirtualDesktop(HWND window, BOOL* on) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetWindowDesktopId(HWND window, GUID* desktop) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveWindowToDesktop(HWND window, REFGUID desktop) = 0;
};
constexpr GUID kDesktopsInterface = {
    0xa5cd92ff, 0x29be, 0x454c, {0x8d, 0x04, 0xd8, 0x28, 0x79, 0xfb, 0x3f, 0x1b}};

// The looking thread's own. Desktops: none where the system has no virtual desktops (Wine,
// Windows before 10). LevelsThisLook: the processes' levels, read once per look (the windows of
// one process share it).
struct LookingThreadState {
  IVirtualDesktopManager* Desktops = nullptr;
  std::optional<std::uint32_t> OwnIntegrity;
  std::unordered_map<DWORD, std::optional<std::uint32_t>> LevelsThisLook;
} Looking;

std::optional<std::uint32_t> IntegrityOfToken(HANDLE token) {
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;
  std::vector<BYTE> buffer(size);
  if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) {
    return std::nullopt;
  }
  const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return std::nullopt;
  return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1);
}

std::optional<std::uint32_t> IntegrityOfProcess(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  const std::optional<std::uint32_t> level = IntegrityOfToken(token);
  CloseHandle(token);
  return level;
}

std::optional<std::uint32_t> IntegrityOf(WindowHandle window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  const auto known = Looking.LevelsThisLook.find(pid);
  if (known != Looking.LevelsThisLook.end()) return known->second;
  std::optional<std::uint32_t> level;
  if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {
    level = IntegrityOfProcess(process);
    CloseHandle(process);
  }
  return Looking.LevelsThisLook[pid] = level;
}

bool IsTerminal(WindowHandle window) { return IsWindow(window) && HasTerminalClass(window); }

// The system's own test: the window's thread has not read its messages for 5 s. It sends the
// window nothing, so it cannot itself be held up.
bool IsHung(WindowHandle window) { return IsHungAppWindow(window); }

std::optional<bool> OnCurrentDesktop(WindowHandle window) {
  BOOL on = TRUE;
  if (!Looking.Desktops || FAILED(Looking.Desktops->IsWindowOnCurrentVirtualDesktop(window, &on))) {
    return std::nullopt;
  }
  return on != FALSE;
}

constexpr ReachLooks kLooks{IsTerminal, IntegrityOf, IsHung, OnCurrentDesktop};

// Wine has no virtual desktops: COM is not started on this thread for an answer known
// beforehand.
void PrepareLooks() {
  Looking.OwnIntegrity = IntegrityOfProcess(GetCurrentProcess());
  if (UnderWine()) return;
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  void* desktops = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_VirtualDesktopManager, nullptr, CLSCTX_ALL,
                                 kDesktopsInterface, &desktops))) {
    Looking.Desktops = static_cast<IVirtualDesktopManager*>(desktops);
  }
}

// A look when asked for, and every second while something is selected; never two within a
// second, however often it is asked.
DWORD WINAPI LookAgainAndAgain(void*) {
  PrepareLooks();
  Shared& s = State();
  ULONGLONG lastLook = 0, between = kLookEveryMs;
  for (;;) {
    AcquireSRWLockExclusive(&s.lock);
    const bool watching = !s.watched.empty();
    ReleaseSRWLockExclusive(&s.lock);
    WaitForSingleObject(s.asked, watching ? static_cast<DWORD>(between) : INFINITE);
    const ULONGLONG since = GetTickCount64() - lastLook;
    if (since < between) Sleep(static_cast<DWORD>(between - since));
    lastLook = GetTickCount64();
    AcquireSRWLockExclusive(&s.lock);
    const std::vector<HWND> watched = s.watched;
    const unsigned watch = s.watch;
    ReleaseSRWLockExclusive(&s.lock);
    if (watched.empty()) continue;
    Judgements judged;
    Looking.LevelsThisLook.clear();
    for (HWND window : watched)
      judged.emplace_back(window, JudgeReach(window, kLooks, Looking.OwnIntegrity));
    between = std::max(kLookEveryMs, (GetTickCount64() - lastLook) * kLookShare);
    AcquireSRWLockExclusive(&s.lock);
    s.ready = std::move(judged);
    s.readyFor = watch;
    ReleaseSRWLockExclusive(&s.lock);
    PostMessageW(s.results, kLookReady, 0, 0);
  }
}

// Flockhand's thread's own: what is known of the selected terminals, and who hears of it.
struct ToldState {
  std::unordered_map<HWND, Reach> Judged;  // the selected terminals judged so far
  WindowSet Refused;                       // keys to them were refused: above Flockhand's level
  WindowSet Unreached;
  std::vector<ReachListener> Listeners;
  bool TellPending = false;
} Told;

void Tell() {
  Told.TellPending = false;
  Told.Unreached.clear();
  for (const auto& [window, reach] : Told.Judged) {
    if (reach != Reach::Reachable) Told.Unreached.insert(window);
  }
  for (const ReachListener listener : Told.Listeners) listener();
}

// A refusal outlives the looks: the level it stands for may be one that cannot be read.
void Judge(HWND window, Reach reach, bool& changed) {
  if (reach == Reach::Reachable && Told.Refused.count(window)) reach = Reach::Elevated;
  Reach& slot = Told.Judged.try_emplace(window, Reach::Reachable).first->second;
  changed = changed || slot != reach;
  slot = reach;
}

void TakeLook() {
  Shared& s = State();
  Judgements judged;
  AcquireSRWLockExclusive(&s.lock);
  if (s.readyFor == s.watch) judged.swap(s.ready);
  ReleaseSRWLockExclusive(&s.lock);
  bool changed = false;
  for (const auto& [window, reach] : judged) Judge(window, reach, changed);
  if (changed) Tell();
}

LRESULT CALLBACK ResultsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kLookReady: TakeLook(); return 0;
    case kKeysRefused: Tell(); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

void StartLooking(Shared& s) {
  s.results = StartLookingThread(kResultsClass, ResultsProc, LookAgainAndAgain);
}

// What was judged of terminals no longer selected is forgotten; the others keep theirs until the
// next look, so that the notice does not blink as the selection grows.
bool ForgetUnselected() {
  const WindowSet selected = WindowsOf(SelectedTerminals);
  bool changed = false;
  for (auto it = Told.Judged.begin(); it != Told.Judged.end();) {
    if (selected.count(it->first)) {
      ++it;
      continue;
    }
    changed = changed || it->second != Reach::Reachable;
    it = Told.Judged.erase(it);
  }
  for (auto it = Told.Refused.begin(); it != Told.Refused.end();) {
    it = selected.count(*it) ? std::next(it) : Told.Refused.erase(it);
  }
  return changed;
}

}  // namespace

void WatchReach() {
  Shared& s = State();
  if (!s.results) StartLooking(s);
  std::vector<HWND> watched;
  for (const TerminalEntry& entry : SelectedTerminals) watched.push_back(entry.window);
  AcquireSRWLockExclusive(&s.lock);
  s.watched = std::move(watched);
  ++s.watch;
  s.ready.clear();
  ReleaseSRWLockExclusive(&s.lock);
  SetEvent(s.asked);
  if (ForgetUnselected()) Tell();
}

Reach ReachOf(WindowHandle window) {
  const auto judged = Told.Judged.find(window);
  return judged == Told.Judged.end() ? Reach::Reachable : judged->second;
}

const WindowSet& UnreachedWindows() { return Told.Unreached; }

void NoteRefusedKey(WindowHandle window, unsigned long error) {
  bool changed = false;
  if (error == ERROR_ACCESS_DENIED) {
    Told.Refused.insert(window);
    Judge(window, Reach::Elevated, changed);
  } else if (!IsWindow(window)) {
    Judge(window, Reach::Gone, changed);
  }
  if (!changed || Told.TellPending) return;
  Told.TellPending = true;
  PostMessageW(State().results, kKeysRefused, 0, 0);
}

void ListenToReach(ReachListener listener) { Told.Listeners.push_back(listener); }
