// See journal.h. The hooks (the keys, and the clicks on Flockhand) run on a thread of their own
// that does nothing but read messages: the system waits for a low-level hook at every key (at
// most LowLevelHooksTimeout, after which it passes the key on and may remove the hook), and
// Flockhand's own thread can be busy with a terminal for longer than that. The thread is made at
// the first operation and kept; it sets the hooks when told an operation starts and removes them
// when told it is over, so that neither costs the operation a wait. Between the end and the
// removal the hooks keep nothing. A program of higher integrity in front is out of the hooks'
// reach (UIPI): its keys stay its own, as Flockhand could not send it keys either. A click's
// messages stay in Flockhand's queue, where the system put them; the hook only notes its place
// among the keys.
#include "runtime/journal.h"

#include <vector>

#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/key_messages.h"
#include "terminals/discovery.h"

static_assert(keys::kPacket == VK_PACKET && keys::kLeftMenu == VK_LMENU && keys::kF10 == VK_F10 &&
              keys::kKeyDown == WM_KEYDOWN && keys::kSysKeyUp == WM_SYSKEYUP);

namespace {

// The hook's thread: long enough to start.
constexpr DWORD kThreadWaitMs = 2000;
constexpr UINT kSetHook = WM_APP;
constexpr UINT kRemoveHook = WM_APP + 1;
// Wine passes a key by the hook, and drops the hook's turn, when the hook's thread looks hung
// to it: the thread asks for a message at least this often.
constexpr UINT kAskEveryMs = 100;
// A flood (a stuck key repeating for minutes) is written down up to this many entries; further
// presses are swallowed and dropped, never typed elsewhere.
constexpr std::size_t kMostEntries = 20000;
// The mark of the keys the hook types itself, so that it lets them pass.
constexpr ULONG_PTR kOwnKeyMark = 0x464B4D4B;
// Messages read between two entries: a window that keeps posting cannot hold the journal.
constexpr int kMessagesPerEntry = 1000;
// How long a click the hook saw may take to reach Flockhand's queue.
constexpr DWORD kClickWaitMs = 250;

// A key, a message held, or a click on Flockhand (message.message its button's low-level
// message, hwnd null), whose messages wait in Flockhand's queue.
struct Entry {
  KeyEntry keyEntry;  // KeyEntry::None for a message or a click
  HookKey key;
  MSG message;
  DWORD time;
};

// The journal: what the hook and Flockhand's thread share under the lock, then what only
// Flockhand's thread touches.
struct JournalState {
  SRWLOCK Lock = SRWLOCK_INIT;
  bool Keeping = false;
  KeyKeeping Keys;
  std::vector<Entry> Entries;
  std::size_t NextEntry = 0;  // the next to run

  void (*HandleInput)(MSG&) = nullptr;
  void (*Cancel)() = nullptr;  // also called on the hook's thread
  HANDLE HookThread = nullptr;
  DWORD HookThreadId = 0;
  KeyboardModel Keyboard;  // as Flockhand's window would have it, entry by entry
  bool Running = false;
  unsigned Runs = 0;
  unsigned OperationsEnded = 0;
} Journal;

KeyTarget Target() {
  HWND front = GetForegroundWindow();
  // The activation is changing hands (under Wine the desktop has it meanwhile).
  if (!front || front == GetDesktopWindow()) return KeyTarget::Terminal;
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(front, &process);
  if (thread == GetWindowThreadProcessId(FlockhandWindow(), nullptr)) return KeyTarget::Flockhand;
  // Flockhand's other windows (the frames' surfaces) are never the user's aim either.
  if (process == GetCurrentProcessId()) return KeyTarget::Terminal;
  return HasTerminalClass(GetAncestor(front, GA_ROOTOWNER)) ? KeyTarget::Terminal
                                                            : KeyTarget::Other;
}

// Alt's press, kept from a terminal, and the key that makes a gesture of the system's with it,
// typed for the system.
void TypeSystemGesture(std::uint8_t alt, const KBDLLHOOKSTRUCT& key) {
  INPUT keys[2]{};
  for (INPUT& input : keys) {
    input.type = INPUT_KEYBOARD;
    input.ki.dwExtraInfo = kOwnKeyMark;
  }
  keys[0].ki.wVk = alt;
  keys[0].ki.dwFlags = alt == VK_RMENU ? KEYEVENTF_EXTENDEDKEY : 0;
  keys[1].ki.wVk = static_cast<WORD>(key.vkCode);
  keys[1].ki.wScan = static_cast<WORD>(key.scanCode);
  keys[1].ki.dwFlags = key.flags & LLKHF_EXTENDED ? KEYEVENTF_EXTENDEDKEY : 0;
  SendInput(2, keys, sizeof(INPUT));
}

void Add(const Entry& entry) {
  if (Journal.Entries.size() - Journal.NextEntry < kMostEntries || entry.key.up)
    Journal.Entries.push_back(entry);
}

// Under the lock.
void Close(const MSG& message) {
  Journal.Entries.clear();
  Journal.NextEntry = 0;
  Journal.Keys.closing = true;
  Journal.Entries.push_back({KeyEntry::None, {}, message, GetTickCount()});
}

LRESULT CALLBACK JournalKeyProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto& raw = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code != HC_ACTION || ((raw.flags & LLKHF_INJECTED) && raw.dwExtraInfo == kOwnKeyMark)) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  // The message tells a release: Wine leaves LLKHF_UP clear for a Unicode packet's.
  const HookKey key{static_cast<std::uint8_t>(raw.vkCode), static_cast<std::uint16_t>(raw.scanCode),
                    (raw.flags & LLKHF_EXTENDED) != 0, wParam == WM_KEYUP || wParam == WM_SYSKEYUP};
  KeyDecision decision;
  AcquireSRWLockExclusive(&Journal.Lock);
  if (Journal.Keeping) {
    decision = DecideKey(Journal.Keys, key, Target());
    if (decision.entry != KeyEntry::None) Add({decision.entry, key, {}, raw.time});
    if (decision.close) Close(MSG{FlockhandWindow(), WM_SYSCOMMAND, SC_CLOSE, 0, 0, {}});
  }
  ReleaseSRWLockExclusive(&Journal.Lock);
  if (decision.cancel || decision.close) Journal.Cancel();
  if (decision.systemAlt) TypeSystemGesture(decision.systemAlt, raw);
  return decision.swallow ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

bool IsButtonMessage(WPARAM message) {
  return message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE && message != WM_MOUSEWHEEL &&
         message != WM_MOUSEHWHEEL;
}

// A click on Flockhand: its messages wait in Flockhand's queue, but its place among the keys is
// known only here.
LRESULT CALLBACK JournalMouseProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto& raw = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && IsButtonMessage(wParam) &&
      GetWindowThreadProcessId(WindowFromPoint(raw.pt), nullptr) ==
          GetWindowThreadProcessId(FlockhandWindow(), nullptr)) {
    AcquireSRWLockExclusive(&Journal.Lock);
    if (Journal.Keeping && !Journal.Keys.closing) {
      Add({KeyEntry::None,
           {},
           MSG{nullptr, static_cast<UINT>(wParam), 0, 0, raw.time, raw.pt},
           raw.time});
    }
    ReleaseSRWLockExclusive(&Journal.Lock);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HookThreadMain(void* ready) {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue that is told what to do
  SetEvent(ready);
  HHOOK keys = nullptr, mouse = nullptr;
  UINT_PTR timer = 0;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == kSetHook && !keys) {
      keys = SetWindowsHookExW(WH_KEYBOARD_LL, JournalKeyProc, GetModuleHandleW(nullptr), 0);
      mouse = SetWindowsHookExW(WH_MOUSE_LL, JournalMouseProc, GetModuleHandleW(nullptr), 0);
      timer = SetTimer(nullptr, 0, kAskEveryMs, nullptr);
    } else if (message.message == kRemoveHook && keys) {
      UnhookWindowsHookEx(keys);
      if (mouse) UnhookWindowsHookEx(mouse);
      KillTimer(nullptr, timer);
      keys = mouse = nullptr;
    }
  }
  return 0;
}

bool HookThreadRuns() {
  if (Journal.HookThread) return true;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return false;
  Journal.HookThread = CreateThread(nullptr, 0, HookThreadMain, ready, 0, &Journal.HookThreadId);
  if (Journal.HookThread) {
    SetThreadPriority(Journal.HookThread, THREAD_PRIORITY_HIGHEST);
    WaitForSingleObject(ready, kThreadWaitMs);
  }
  CloseHandle(ready);
  return Journal.HookThread != nullptr;
}

// The keys as they are when the hook is set: physically down or not. Read before the lock is
// taken, so that the hook never waits for the 255 look-ups. A new journal also starts the
// keyboard from there, toggled as Flockhand last saw it; one that runs already (an entry
// started an operation) goes on with what it has written down. Then the hook keeps.
void StartFromPhysicalKeys(bool newJournal) {
  bool down[256] = {};
  for (int vk = 1; vk < 256; ++vk) down[vk] = GetAsyncKeyState(vk) < 0;
  BYTE state[256];
  GetKeyboardState(state);
  AcquireSRWLockExclusive(&Journal.Lock);
  if (newJournal) {
    Journal.Keys = KeyKeeping{};
    Journal.Keyboard.altAlone = false;
  }
  for (int vk = 1; vk < 256; ++vk) {
    Journal.Keys.down[vk] = down[vk];
    if (newJournal)
      Journal.Keyboard.state[vk] = static_cast<BYTE>((state[vk] & 0x01) | (down[vk] ? 0x80 : 0));
  }
  Journal.Keeping = true;
  ReleaseSRWLockExclusive(&Journal.Lock);
}

bool PopEntry(Entry& entry) {
  AcquireSRWLockExclusive(&Journal.Lock);
  const bool any = Journal.NextEntry < Journal.Entries.size();
  if (any) entry = Journal.Entries[Journal.NextEntry++];
  ReleaseSRWLockExclusive(&Journal.Lock);
  return any;
}

// Not limited to input (PM_QS_INPUT): under Wine such a look can pass over a click that waits in
// the queue after the activation has moved among other programs' windows, where a look at every
// kind of message finds it. The ranges hold only mouse messages either way.
bool PeekMouse(MSG& message, UINT remove) {
  return PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, remove) ||
         PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, remove);
}

// What the message loop would have read by then: what was posted meanwhile (the characters of
// a key, a command), and the keys that reached Flockhand's queue before the hook was set. False
// once the loop must end.
bool CatchUp(DWORD until) {
  MSG message;
  for (int read = 0;
       read < kMessagesPerEntry &&
       PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE);
       ++read) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    Journal.HandleInput(message);
  }
  for (int read = 0;
       read < kMessagesPerEntry &&
       PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_QS_INPUT) &&
       static_cast<LONG>(message.time - until) < 0;
       ++read) {
    PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_QS_INPUT);
    Journal.HandleInput(message);
  }
  return true;
}

// A click runs with the pointer's moves before it. Its message may reach the queue a moment
// after the hook saw it: it is waited for a little.
void RunClick() {
  const DWORD start = GetTickCount();
  MSG message;
  for (int read = 0; read < kMessagesPerEntry;) {
    if (!PeekMouse(message, PM_REMOVE)) {
      const DWORD waited = GetTickCount() - start;
      if (waited >= kClickWaitMs) return;
      MsgWaitForMultipleObjectsEx(0, nullptr, kClickWaitMs - waited, QS_MOUSE, 0);
      continue;
    }
    ++read;
    Journal.HandleInput(message);
    if (IsButtonMessage(message.message)) return;
  }
}

// The next key waiting in Flockhand's queue, taken when it is key (a key passed on reached it).
bool TakeQueuedKey(const HookKey& key, MSG& message) {
  const bool up = key.up;
  if (!PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_QS_INPUT))
    return false;
  const bool isUp = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  KeyboardModel probe = Journal.Keyboard;
  if (isUp != up || message.wParam != MakeKeyMessage(probe, key).wParam) return false;
  return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_QS_INPUT);
}

void RunKey(const Entry& entry) {
  MSG queued;
  const bool taken = entry.keyEntry != KeyEntry::Seen && entry.keyEntry != KeyEntry::Typed &&
                     TakeQueuedKey(entry.key, queued);
  const KeyMessage made = MakeKeyMessage(Journal.Keyboard, entry.key);
  if (entry.keyEntry == KeyEntry::Seen || (entry.keyEntry == KeyEntry::Queued && !taken)) return;
  SetKeyboardState(Journal.Keyboard.state);
  if (entry.keyEntry == KeyEntry::Queued) {
    Journal.HandleInput(queued);
    return;
  }
  HWND focus = GetFocus();
  MSG message{focus ? focus : FlockhandCommandBox(),
              made.message,
              made.wParam,
              made.lParam,
              entry.time,
              {}};
  Journal.HandleInput(message);
}

// The clicks made before a close never run.
void DropClicks() {
  MSG message;
  while (PeekMouse(message, PM_REMOVE)) {
  }
}

// Flockhand's keyboard state as the keys physically are.
void EndWithPhysicalKeys() {
  for (int vk = 1; vk < 256; ++vk) {
    Journal.Keyboard.state[vk] = static_cast<BYTE>((Journal.Keyboard.state[vk] & 0x01) |
                                                   (GetAsyncKeyState(vk) < 0 ? 0x80 : 0));
  }
  SetKeyboardState(Journal.Keyboard.state);
}

bool IsClose(const Entry& entry) {
  return entry.keyEntry == KeyEntry::None &&
         IsCloseMessage(entry.message.message, entry.message.wParam);
}

// An operation brings terminals forward: the keys after it go to the command box again. The
// clicks made after the last entry are left to the message loop. False when nothing ran.
bool Run() {
  bool forward = false;
  Entry entry;
  if (!PopEntry(entry)) return false;
  do {
    if (IsClose(entry)) {
      DropClicks();
      Journal.HandleInput(entry.message);
      continue;
    }
    const unsigned ended = Journal.OperationsEnded;
    const bool ours = entry.keyEntry == KeyEntry::Typed || entry.keyEntry == KeyEntry::Retyped;
    if (!forward && (ours || (entry.keyEntry == KeyEntry::None && !entry.message.hwnd))) {
      BringCommandBoxForward();
      forward = true;
    }
    if (!CatchUp(entry.time)) break;
    if (entry.keyEntry != KeyEntry::None)
      RunKey(entry);
    else if (entry.message.hwnd)
      Journal.HandleInput(entry.message);
    else
      RunClick();
    if (Journal.OperationsEnded != ended) forward = false;
  } while (PopEntry(entry));
  return true;
}

}  // namespace

void AttachJournalHandler(void (*handleInput)(MSG&)) { Journal.HandleInput = handleInput; }

void StartJournal(void (*cancel)()) {
  if (Journal.Keeping || !HookThreadRuns()) return;
  Journal.Cancel = cancel;
  StartFromPhysicalKeys(!Journal.Running);
  PostThreadMessageW(Journal.HookThreadId, kSetHook, 0, 0);
}

void JournalMessage(const MSG& message) {
  AcquireSRWLockExclusive(&Journal.Lock);
  if (!Journal.Keys.closing)
    Journal.Entries.push_back({KeyEntry::None, {}, message, GetTickCount()});
  ReleaseSRWLockExclusive(&Journal.Lock);
}

bool IsCloseMessage(UINT message, WPARAM wParam) {
  return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

void JournalClose(const MSG& message) {
  AcquireSRWLockExclusive(&Journal.Lock);
  Close(message);
  ReleaseSRWLockExclusive(&Journal.Lock);
}

void RunJournal() {
  ++Journal.OperationsEnded;
  if (Journal.Keeping) {
    AcquireSRWLockExclusive(&Journal.Lock);
    Journal.Keeping = false;
    ReleaseSRWLockExclusive(&Journal.Lock);
    PostThreadMessageW(Journal.HookThreadId, kRemoveHook, 0, 0);
  }
  if (Journal.Running || !Journal.HandleInput) return;
  Journal.Running = true;
  if (++Journal.Runs == 0) Journal.Runs = 1;
  if (Run()) EndWithPhysicalKeys();
  AcquireSRWLockExclusive(&Journal.Lock);
  Journal.Entries.clear();
  Journal.NextEntry = 0;
  Journal.Keys.closing = false;
  ReleaseSRWLockExclusive(&Journal.Lock);
  Journal.Running = false;
}

unsigned JournalRun() { return Journal.Running ? Journal.Runs : 0; }
