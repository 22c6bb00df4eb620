// See kept_keys.h. The hook runs on a thread of its own that does nothing but read messages:
// the system waits for a low-level hook at every key (at most LowLevelHooksTimeout, after which
// it passes the key on and may remove the hook), and Flockhand's own thread can be busy with a
// terminal for longer than that. The kept keys are typed again with one SendInput, which the
// system never interleaves with other input, after the hook is gone, so neither they nor the
// user's next keys are kept twice. A program of higher integrity in front is out of the hook's
// reach (UIPI): its keys stay its own, as Flockhand could not send it keys either.
#include "runtime/kept_keys.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/operation_guard.h"
#include "terminals/terminal_contract.h"

namespace {

// The hook's thread: long enough to set the hook, to end once asked.
constexpr DWORD kThreadWaitMs = 2000;

HANDLE HookThread;
DWORD HookThreadId;
SRWLOCK KeptLock = SRWLOCK_INIT;
std::vector<INPUT> Kept;    // in typing order, Alt pressed around the keys typed with it
bool KeptAltDown = false;   // the Alt of what is kept so far
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

INPUT KeyInput(WORD vk, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

// A release whose press the system saw (typed before the operation) is the system's: without
// it the key would stay down.
bool Keep(const KBDLLHOOKSTRUCT& key) {
  const bool up = key.flags & LLKHF_UP;
  bool& down = KeptDown[key.vkCode & 0xFF];
  if (up && !down) return false;
  down = !up;
  const bool alt = WithAlt(key);
  AcquireSRWLockExclusive(&KeptLock);
  if (alt != KeptAltDown) {
    Kept.push_back(KeyInput(VK_MENU, 0, alt ? 0 : KEYEVENTF_KEYUP));
    KeptAltDown = alt;
  }
  Kept.push_back(KeyInput(static_cast<WORD>(key.vkCode), static_cast<WORD>(key.scanCode),
                          (key.flags & LLKHF_EXTENDED ? KEYEVENTF_EXTENDEDKEY : 0) |
                              (up ? KEYEVENTF_KEYUP : 0)));
  ReleaseSRWLockExclusive(&KeptLock);
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

LRESULT CALLBACK KeepKeyProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION || !ForegroundIsOurs()) return CallNextHookEx(nullptr, code, wParam, lParam);
  const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (IsSystemKey(key)) {
    // Alt+F4 in Flockhand ends the operation, then closes the window.
    if (key.vkCode == VK_F4 && !(key.flags & LLKHF_UP) &&
        GetAncestor(GetForegroundWindow(), GA_ROOTOWNER) == FlockhandWindow()) {
      CancelOperation();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  if (SwallowsEscape(key) || Keep(key)) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI HookThreadMain(void* ready) {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue that is told to quit
  HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeepKeyProc, GetModuleHandleW(nullptr), 0);
  SetEvent(ready);
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
  }
  if (hook) UnhookWindowsHookEx(hook);
  return 0;
}

void StopHookThread() {
  if (!HookThread) return;
  PostThreadMessageW(HookThreadId, WM_QUIT, 0, 0);
  WaitForSingleObject(HookThread, kThreadWaitMs);
  CloseHandle(HookThread);
  HookThread = nullptr;
}

}  // namespace

void StartKeepingKeys() {
  if (HookThread) return;
  KeptAltDown = EscapeSwallowed = WindowsKeyDown = false;
  AltDown = GetAsyncKeyState(VK_MENU) < 0;
  std::fill(std::begin(KeptDown), std::end(KeptDown), false);
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return;
  HookThread = CreateThread(nullptr, 0, HookThreadMain, ready, 0, &HookThreadId);
  if (HookThread) WaitForSingleObject(ready, kThreadWaitMs);
  CloseHandle(ready);
}

void TypeKeptKeys() {
  StopHookThread();
  std::vector<INPUT> keys;
  AcquireSRWLockExclusive(&KeptLock);
  keys.swap(Kept);
  if (KeptAltDown) keys.push_back(KeyInput(VK_MENU, 0, KEYEVENTF_KEYUP));
  KeptAltDown = false;
  ReleaseSRWLockExclusive(&KeptLock);
  if (keys.empty()) return;
  if (GetForegroundWindow() != FlockhandWindow()) BringFlockhandForward();
  if (GetForegroundWindow() != FlockhandWindow()) return;
  SetFocus(FlockhandCommandBox());
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}
