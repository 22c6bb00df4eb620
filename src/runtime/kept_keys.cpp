// See kept_keys.h. The hook runs on a thread of its own that does nothing but read messages:
// the system waits for a low-level hook at every key (at most LowLevelHooksTimeout, after which
// it passes the key on and may remove the hook), and Flockhand's own thread can be busy with a
// terminal for longer than that. The thread is made at the first operation and kept; it sets
// the hook when told an operation starts and removes it when told it is over, so that neither
// costs the operation a wait. Between the end and the removal the hook keeps nothing. The kept keys are typed again as the messages the command box
// would have had, each handled as the message loop handles input (accelerators first) with the
// keyboard state it was typed with, and the real state put back after. They go to the command
// box whichever window is in front by then, and the keys the user types meanwhile wait in the
// input queue until they are through. A program of higher integrity in front is out of the
// hook's reach (UIPI): its keys stay its own, as Flockhand could not send it keys either.
#include "runtime/kept_keys.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <vector>

#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/operation_guard.h"
#include "terminals/terminal_contract.h"

namespace {

// The hook's thread: long enough to start.
constexpr DWORD kThreadWaitMs = 2000;
constexpr UINT kSetHook = WM_APP;
constexpr UINT kRemoveHook = WM_APP + 1;
// Wine passes a key by the hook, and drops the hook's turn, when the hook's thread looks hung
// to it: the thread asks for a message at least this often.
constexpr UINT kAskEveryMs = 100;
// A flood of keys (a stuck key repeating for minutes) is kept up to this many; the rest are
// dropped (their releases are still kept), never typed elsewhere.
constexpr std::size_t kMostKept = 20000;

struct KeptKey {
  BYTE vk;     // as the window messages name it: VK_SHIFT, not VK_LSHIFT
  BYTE scan;
  bool extended, up, alt;
};

void (*HandleInput)(MSG&) = nullptr;
HANDLE HookThread;
DWORD HookThreadId;
SRWLOCK KeptLock = SRWLOCK_INIT;  // what follows, between the hook and Flockhand's thread
bool Keeping = false;
std::vector<KeptKey> Kept;  // in typing order
bool KeptDown[256];         // keys whose press was kept: their release is kept too
bool EscapeSwallowed = false;
bool WindowsKeyDown = false;
// Alt as the hook saw it pass (Wine leaves LLKHF_ALTDOWN clear).
bool AltDown = false;

bool IsTerminal(HWND window) {
  wchar_t className[16];
  return GetClassNameW(window, className, 16) && wcscmp(className, kTerminalWindowClass) == 0;
}

// The window in front is Flockhand, a terminal, a dialog of either, or none while the
// activation changes hands (a key then would land wherever the activation goes).
bool ForegroundIsOurs() {
  HWND root = GetAncestor(GetForegroundWindow(), GA_ROOTOWNER);
  return !root || root == FlockhandWindow() || IsTerminal(root);
}

bool WithAlt(const KBDLLHOOKSTRUCT& key) { return AltDown || (key.flags & LLKHF_ALTDOWN); }

// The system's own gestures, passed on: Alt (for Alt+Tab and Alt+Esc), the Windows key and
// whatever is typed while it is held, Alt+F4.
bool IsSystemKey(const KBDLLHOOKSTRUCT& key) {
  switch (key.vkCode) {
    case VK_LWIN:
    case VK_RWIN: WindowsKeyDown = !(key.flags & LLKHF_UP); return true;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU: AltDown = !(key.flags & LLKHF_UP); return true;
    case VK_TAB:
    case VK_ESCAPE:
    case VK_F4: return WindowsKeyDown || WithAlt(key);
    default: return WindowsKeyDown;
  }
}

BYTE MessageKey(DWORD vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    default: return static_cast<BYTE>(vk);
  }
}

// A release whose press the system saw (typed before the operation) is the system's: without
// it the key would stay down.
bool Keep(const KBDLLHOOKSTRUCT& key) {
  const bool up = key.flags & LLKHF_UP;
  const BYTE vk = MessageKey(key.vkCode);
  if (up && !KeptDown[vk]) return false;
  KeptDown[vk] = !up;
  if (Kept.size() < kMostKept || up) {
    Kept.push_back({vk, static_cast<BYTE>(key.scanCode), (key.flags & LLKHF_EXTENDED) != 0, up,
                    WithAlt(key)});
  }
  return true;
}

// Esc (without Alt, which makes it the system's) cancels, and its release goes with it.
bool SwallowsEscape(const KBDLLHOOKSTRUCT& key) {
  if (key.vkCode != VK_ESCAPE) return false;
  if (!(key.flags & LLKHF_UP)) {
    CancelOperation();
    EscapeSwallowed = true;
    return true;
  }
  const bool swallowed = EscapeSwallowed;
  EscapeSwallowed = false;
  return swallowed;
}

// True when the key is swallowed.
bool Swallowed(const KBDLLHOOKSTRUCT& key) {
  if (!Keeping || !ForegroundIsOurs()) return false;
  if (IsSystemKey(key)) {
    // Alt+F4 in Flockhand ends the operation, then closes the window.
    if (key.vkCode == VK_F4 && !(key.flags & LLKHF_UP) &&
        GetAncestor(GetForegroundWindow(), GA_ROOTOWNER) == FlockhandWindow()) {
      CancelOperation();
    }
    return false;
  }
  return SwallowsEscape(key) || Keep(key);
}

LRESULT CALLBACK KeepKeyProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION) return CallNextHookEx(nullptr, code, wParam, lParam);
  AcquireSRWLockExclusive(&KeptLock);
  const bool swallowed = Swallowed(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam));
  ReleaseSRWLockExclusive(&KeptLock);
  return swallowed ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HookThreadMain(void* ready) {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue that is told what to do
  SetEvent(ready);
  HHOOK hook = nullptr;
  UINT_PTR timer = 0;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == kSetHook && !hook) {
      hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeepKeyProc, GetModuleHandleW(nullptr), 0);
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

// The message the command box gets for key, as the system would make it.
MSG KeyMessage(const KeptKey& key, bool wasDown) {
  const bool system = key.alt && key.vk != VK_CONTROL;
  const UINT message = key.up ? (system ? WM_SYSKEYUP : WM_KEYUP)
                              : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);
  const LPARAM lParam = 1 | (key.scan << 16) | (key.extended ? 1 << 24 : 0) |
                        (key.alt ? 1 << 29 : 0) | (wasDown ? 1 << 30 : 0) |
                        (key.up ? 1u << 31 : 0);
  return MSG{FlockhandCommandBox(), message, key.vk, lParam, GetTickCount(), {}};
}

// The keyboard state as it was when key was typed: the key itself, Alt, and the left or right
// twin of a modifier.
void TypedState(BYTE (&state)[256], const KeptKey& key) {
  const BYTE pressed = key.up ? 0 : 0x80;
  state[key.vk] = static_cast<BYTE>((state[key.vk] & 0x01) ^ (key.up ? 0 : 0x01)) | pressed;
  if (key.vk == VK_SHIFT) state[key.scan == 0x36 ? VK_RSHIFT : VK_LSHIFT] = pressed;
  if (key.vk == VK_CONTROL) state[key.extended ? VK_RCONTROL : VK_LCONTROL] = pressed;
  state[VK_MENU] = state[VK_LMENU] = key.alt ? 0x80 : 0;
}

}  // namespace

void AttachKeptKeysHandler(void (*handleInput)(MSG&)) { HandleInput = handleInput; }

void StartKeepingKeys() {
  if (Keeping || !HookThreadRuns()) return;
  AcquireSRWLockExclusive(&KeptLock);
  Keeping = true;
  EscapeSwallowed = WindowsKeyDown = false;
  AltDown = GetAsyncKeyState(VK_MENU) < 0;
  std::fill(std::begin(KeptDown), std::end(KeptDown), false);
  ReleaseSRWLockExclusive(&KeptLock);
  PostThreadMessageW(HookThreadId, kSetHook, 0, 0);
}

void TypeKeptKeys() {
  if (!Keeping) return;
  std::vector<KeptKey> keys;
  AcquireSRWLockExclusive(&KeptLock);
  Keeping = false;
  keys.swap(Kept);
  ReleaseSRWLockExclusive(&KeptLock);
  PostThreadMessageW(HookThreadId, kRemoveHook, 0, 0);
  if (keys.empty() || !HandleInput) return;
  BringFlockhandForward();
  SetFocus(FlockhandCommandBox());
  BYTE real[256], state[256];
  GetKeyboardState(real);
  std::memcpy(state, real, sizeof(state));
  for (const KeptKey& key : keys) {
    const bool wasDown = state[key.vk] & 0x80;
    TypedState(state, key);
    SetKeyboardState(state);
    MSG message = KeyMessage(key, wasDown);
    HandleInput(message);
  }
  SetKeyboardState(real);
}
