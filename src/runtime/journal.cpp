// See journal.h. The hook runs on a thread of its own that does nothing but read messages: the
// system waits for a low-level hook at every key (at most LowLevelHooksTimeout, after which it
// passes the key on and may remove the hook), and Flockhand's own thread can be busy with a
// terminal for longer than that. The thread is made at the first operation and kept; it sets
// the hook when told an operation starts and removes it when told it is over, so that neither
// costs the operation a wait. Between the end and the removal the hook keeps nothing. A program
// of higher integrity in front is out of the hook's reach (UIPI): its keys stay its own, as
// Flockhand could not send it keys either.
#include "runtime/journal.h"

#include <cstring>
#include <vector>

#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/key_messages.h"
#include "terminals/terminal_contract.h"

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
// The menu mask's mark, so that the hook lets its own key pass.
constexpr ULONG_PTR kMaskMark = 0x464B4D4B;
// Messages read between two entries: a window that keeps posting cannot hold the journal.
constexpr int kMessagesPerEntry = 1000;

struct Entry {
  KeyEntry keyEntry;  // KeyEntry::None for a message
  HookKey key;
  MSG message;
  DWORD time;
};

void (*HandleInput)(MSG&) = nullptr;
void (*Cancel)() = nullptr;
HANDLE HookThread;
DWORD HookThreadId;
SRWLOCK Lock = SRWLOCK_INIT;  // what follows, between the hook and Flockhand's thread
bool Keeping = false;
KeyKeeping Keys;
std::vector<Entry> Entries;
std::size_t NextEntry = 0;  // the next to run
KeyboardModel Keyboard;  // as Flockhand's window would have it, entry by entry
bool Running = false;
unsigned Runs = 0;
unsigned OperationsEnded = 0;

bool IsTerminal(HWND window) {
  wchar_t className[16];
  return GetClassNameW(window, className, 16) && wcscmp(className, kTerminalWindowClass) == 0;
}

KeyTarget Target() {
  HWND front = GetForegroundWindow();
  if (!front) return KeyTarget::Terminal;  // the activation is changing hands
  if (GetWindowThreadProcessId(front, nullptr) == GetWindowThreadProcessId(FlockhandWindow(), nullptr)) {
    return KeyTarget::Flockhand;
  }
  return IsTerminal(GetAncestor(front, GA_ROOTOWNER)) ? KeyTarget::Terminal : KeyTarget::Other;
}

void TypeMenuMask() {
  INPUT mask[2]{};
  for (INPUT& input : mask) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = keys::kMenuMask;
    input.ki.dwExtraInfo = kMaskMark;
  }
  mask[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, mask, sizeof(INPUT));
}

void Add(const Entry& entry) {
  if (Entries.size() - NextEntry < kMostEntries || entry.key.up) Entries.push_back(entry);
}

// Under the lock.
void Close(const MSG& message) {
  Entries.clear();
  NextEntry = 0;
  Keys.closing = true;
  Entries.push_back({KeyEntry::None, {}, message, GetTickCount()});
}

LRESULT CALLBACK JournalKeyProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto& raw = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code != HC_ACTION || ((raw.flags & LLKHF_INJECTED) && raw.dwExtraInfo == kMaskMark)) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  const HookKey key{static_cast<std::uint8_t>(raw.vkCode), static_cast<std::uint16_t>(raw.scanCode),
                    (raw.flags & LLKHF_EXTENDED) != 0, (raw.flags & LLKHF_UP) != 0};
  KeyDecision decision;
  AcquireSRWLockExclusive(&Lock);
  if (Keeping) {
    decision = DecideKey(Keys, key, Target());
    if (decision.entry != KeyEntry::None) Add({decision.entry, key, {}, raw.time});
    if (decision.close) Close(MSG{FlockhandWindow(), WM_SYSCOMMAND, SC_CLOSE, 0, 0, {}});
  }
  ReleaseSRWLockExclusive(&Lock);
  if (decision.cancel || decision.close) Cancel();
  if (decision.mask) TypeMenuMask();
  return decision.swallow ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HookThreadMain(void* ready) {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue that is told what to do
  SetEvent(ready);
  HHOOK hook = nullptr;
  UINT_PTR timer = 0;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == kSetHook && !hook) {
      hook = SetWindowsHookExW(WH_KEYBOARD_LL, JournalKeyProc, GetModuleHandleW(nullptr), 0);
      timer = SetTimer(nullptr, 0, kAskEveryMs, nullptr);
    } else if (message.message == kRemoveHook && hook) {
      UnhookWindowsHookEx(hook);
      KillTimer(nullptr, timer);
      hook = nullptr;
    }
  }
  return 0;
}

bool HookThreadRuns() {
  if (HookThread) return true;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return false;
  HookThread = CreateThread(nullptr, 0, HookThreadMain, ready, 0, &HookThreadId);
  if (HookThread) {
    SetThreadPriority(HookThread, THREAD_PRIORITY_HIGHEST);
    WaitForSingleObject(ready, kThreadWaitMs);
  }
  CloseHandle(ready);
  return HookThread != nullptr;
}

// The keys as they are when the hook is set: physically down or not. A new journal also starts
// the keyboard from there, toggled as Flockhand last saw it; one that runs already (an entry
// started an operation) goes on with what it has written down.
void StartFromPhysicalKeys(bool newJournal) {
  if (newJournal) {
    std::memset(&Keys, 0, sizeof(Keys));
    GetKeyboardState(Keyboard.state);
    Keyboard.altAlone = false;
  }
  for (int vk = 1; vk < 256; ++vk) {
    Keys.down[vk] = GetAsyncKeyState(vk) < 0;
    if (newJournal) {
      Keyboard.state[vk] = static_cast<BYTE>((Keyboard.state[vk] & 0x01) | (Keys.down[vk] ? 0x80 : 0));
    }
  }
}

bool PopEntry(Entry& entry) {
  AcquireSRWLockExclusive(&Lock);
  const bool any = NextEntry < Entries.size();
  if (any) entry = Entries[NextEntry++];
  ReleaseSRWLockExclusive(&Lock);
  return any;
}

bool PeekMouse(MSG& message, UINT remove) {
  return PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, remove | PM_QS_INPUT) ||
         PeekMessageW(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, remove | PM_QS_INPUT);
}

// What the message loop would have read by then: what was posted meanwhile (the characters of
// a key, a command), then the clicks made before the next entry. False once the loop must end.
bool CatchUp(DWORD until) {
  MSG message;
  for (int read = 0; read < kMessagesPerEntry &&
                     PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE);
       ++read) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    HandleInput(message);
  }
  for (int read = 0; read < kMessagesPerEntry && PeekMouse(message, PM_NOREMOVE) &&
                     static_cast<LONG>(message.time - until) <= 0;
       ++read) {
    PeekMouse(message, PM_REMOVE);
    HandleInput(message);
  }
  return true;
}

// The next key waiting in Flockhand's queue, taken when it is key (a key passed on reached it).
bool TakeQueuedKey(const HookKey& key, MSG& message) {
  const bool up = key.up;
  if (!PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_QS_INPUT)) return false;
  const bool isUp = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  KeyboardModel probe = Keyboard;
  if (isUp != up || message.wParam != MakeKeyMessage(probe, key).wParam) return false;
  return PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_QS_INPUT);
}

void RunKey(const Entry& entry, bool& forward) {
  MSG queued;
  const bool taken = entry.keyEntry != KeyEntry::Seen && entry.keyEntry != KeyEntry::Typed &&
                     TakeQueuedKey(entry.key, queued);
  const KeyMessage made = MakeKeyMessage(Keyboard, entry.key);
  if (entry.keyEntry == KeyEntry::Seen || (entry.keyEntry == KeyEntry::Queued && !taken)) return;
  SetKeyboardState(Keyboard.state);
  if (entry.keyEntry == KeyEntry::Queued) {
    HandleInput(queued);
    return;
  }
  if (!forward) {
    BringFlockhandForward();
    SetFocus(FlockhandCommandBox());
    forward = true;
  }
  HWND focus = GetFocus();
  MSG message{focus ? focus : FlockhandCommandBox(), made.message, made.wParam, made.lParam, entry.time, {}};
  HandleInput(message);
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
    Keyboard.state[vk] = static_cast<BYTE>((Keyboard.state[vk] & 0x01) | (GetAsyncKeyState(vk) < 0 ? 0x80 : 0));
  }
  SetKeyboardState(Keyboard.state);
}

bool IsClose(const Entry& entry) {
  return entry.keyEntry == KeyEntry::None &&
         (entry.message.message == WM_CLOSE ||
          (entry.message.message == WM_SYSCOMMAND && (entry.message.wParam & 0xFFF0) == SC_CLOSE));
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
      HandleInput(entry.message);
      continue;
    }
    unsigned ended = OperationsEnded;
    if (!CatchUp(entry.time)) break;
    if (OperationsEnded != ended) forward = false;
    ended = OperationsEnded;
    if (entry.keyEntry == KeyEntry::None) HandleInput(entry.message);
    else RunKey(entry, forward);
    if (OperationsEnded != ended) forward = false;
  } while (PopEntry(entry));
  return true;
}

}  // namespace

void AttachJournalHandler(void (*handleInput)(MSG&)) { HandleInput = handleInput; }

void StartJournal(void (*cancel)()) {
  if (Keeping || !HookThreadRuns()) return;
  Cancel = cancel;
  AcquireSRWLockExclusive(&Lock);
  StartFromPhysicalKeys(!Running);
  Keeping = true;
  ReleaseSRWLockExclusive(&Lock);
  PostThreadMessageW(HookThreadId, kSetHook, 0, 0);
}

void JournalMessage(const MSG& message) {
  AcquireSRWLockExclusive(&Lock);
  if (!Keys.closing) Entries.push_back({KeyEntry::None, {}, message, GetTickCount()});
  ReleaseSRWLockExclusive(&Lock);
}

void JournalClose(const MSG& message) {
  AcquireSRWLockExclusive(&Lock);
  Close(message);
  ReleaseSRWLockExclusive(&Lock);
}

void RunJournal() {
  ++OperationsEnded;
  if (Keeping) {
    AcquireSRWLockExclusive(&Lock);
    Keeping = false;
    ReleaseSRWLockExclusive(&Lock);
    PostThreadMessageW(HookThreadId, kRemoveHook, 0, 0);
  }
  if (Running || !HandleInput) return;
  Running = true;
  if (++Runs == 0) Runs = 1;
  if (Run()) EndWithPhysicalKeys();
  AcquireSRWLockExclusive(&Lock);
  Entries.clear();
  NextEntry = 0;
  Keys.closing = false;
  ReleaseSRWLockExclusive(&Lock);
  Running = false;
}

unsigned JournalRun() { return Running ? Runs : 0; }
