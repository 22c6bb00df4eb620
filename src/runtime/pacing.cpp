// See pacing.h. The waits read only posted, sent, timer and paint messages (PM_QS_*), so the
// user's keys and clicks stay in the queue, in order and with the keyboard state they came with,
// for the message loop to take after the operation, exactly as if Flockhand had slept. Esc and
// Alt+F4 are caught by a low-level keyboard hook for as long as an operation waits, because the
// foreground may then be a terminal, which must not get the Esc.
#include "runtime/pacing.h"

#include <cwchar>

#include "runtime/flockhand_window.h"
#include "runtime/operation_progress.h"
#include "terminals/terminal_contract.h"

namespace {

// How often a wait looks at a condition that no message announces (a window gone): each
// millisecond lost there is lost once for every terminal served.
constexpr DWORD kLookMs = 1;
// Between terminals served without a pause, messages are read at least this often.
constexpr double kReadEveryMs = 15;
constexpr double kProgressAfterMs = 500;
// A title change costs the window manager a round trip: a few a second are enough to read.
constexpr double kProgressEveryMs = 100;

int Depth = 0;  // operations under way, the outer one included
bool Cancelled = false;
bool EscapeSwallowed = false;
HHOOK KeyboardHook = nullptr;
std::vector<MSG> Held;
double StartedMs = 0;
double ProgressShownMs = 0;
double ReadMs = 0;

// What the waits read: never the user's input.
constexpr UINT kWakeFor = QS_POSTMESSAGE | QS_HOTKEY | QS_TIMER | QS_SENDMESSAGE | QS_PAINT;

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

bool IsCommand(UINT message) {
  return message == WM_COMMAND || message == WM_SYSCOMMAND || message == WM_HOTKEY ||
         message == WM_CLOSE;
}

bool IsClose(UINT message, WPARAM wParam) {
  return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

// The window in front, or the window its dialog belongs to.
HWND ForegroundRoot() { return GetAncestor(GetForegroundWindow(), GA_ROOTOWNER); }

// An Esc that would reach Flockhand or a terminal (or one of their dialogs) cancels; one typed
// into another program is that program's.
bool EscapeIsOurs() {
  HWND root = ForegroundRoot();
  if (!root) return false;
  if (root == FlockhandWindow()) return true;
  wchar_t className[16];
  return GetClassNameW(root, className, 16) && wcscmp(className, kTerminalWindowClass) == 0;
}

// Esc (without Alt: Alt+Esc is the system's) is swallowed, its release with it. Alt+F4 in
// Flockhand ends the operation and then, taken from the queue, closes the window.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && key->vkCode == VK_ESCAPE) {
    if (wParam == WM_KEYDOWN && EscapeIsOurs()) {
      Cancelled = true;
      EscapeSwallowed = true;
      return 1;
    }
    if (wParam == WM_KEYUP && EscapeSwallowed) {
      EscapeSwallowed = false;
      return 1;
    }
  }
  if (code == HC_ACTION && key->vkCode == VK_F4 && wParam == WM_SYSKEYDOWN &&
      ForegroundRoot() == FlockhandWindow()) {
    Cancelled = true;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A click on the close button waits in the queue like any input, but ends the operation now.
void NoticeCloseClick() {
  MSG click;
  if (PeekMessageW(&click, FlockhandWindow(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE) &&
      click.wParam == HTCLOSE) {
    Cancelled = true;
  }
}

// At most this many messages a look, so that a window that keeps asking to be painted cannot
// hold the operation.
constexpr int kMessagesPerLook = 1000;

void ReadMessages() {
  MSG message;
  for (int read = 0; read < kMessagesPerLook &&
                     PeekMessageW(&message, nullptr, 0, 0,
                                  PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE | PM_QS_PAINT);
       ++read) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    // Input posted by another program waits like the user's own.
    if (IsInput(message.message)) {
      Held.push_back(message);
      continue;
    }
    DispatchMessageW(&message);
  }
  NoticeCloseClick();
  ReadMs = NowMs();
}

// Esc can come at any time while terminals are served or waited for: its hook is set then,
// once per operation.
void WatchKeys() {
  if (!KeyboardHook) {
    KeyboardHook =
        SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleW(nullptr), 0);
  }
}

void ReleaseHeld() {
  std::vector<MSG> held;
  held.swap(Held);
  for (const MSG& message : held) {
    PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
  }
}

}  // namespace

PacedOperation::PacedOperation() {
  if (Depth++ > 0) return;
  Cancelled = false;
  StartedMs = NowMs();
}

PacedOperation::~PacedOperation() {
  if (--Depth > 0) return;
  if (KeyboardHook) UnhookWindowsHookEx(KeyboardHook);
  KeyboardHook = nullptr;
  EndProgress();
  ReleaseHeld();
}

void ServeEach(std::vector<TerminalEntry> terminals,
               const std::function<void(const TerminalEntry&)>& step) {
  const PacedOperation operation;
  if (terminals.size() > 1) WatchKeys();
  for (std::size_t i = 0; i < terminals.size() && !Cancelled; ++i) {
    const double now = NowMs();
    if (now - StartedMs >= kProgressAfterMs && now - ProgressShownMs >= kProgressEveryMs) {
      ShowProgress(i, terminals.size());
      ProgressShownMs = now;
    }
    if (now - ReadMs >= kReadEveryMs) ReadMessages();
    step(terminals[i]);
  }
}

namespace {

// Reads messages for at most the given time, until done() holds, which is asked after every
// message and every look milliseconds.
bool Wait(DWORD milliseconds, DWORD look, const std::function<bool()>& done) {
  const PacedOperation operation;  // whatever waits is an operation
  WatchKeys();
  const double deadline = NowMs() + milliseconds;
  for (;;) {
    ReadMessages();
    if (done()) return true;
    const double left = deadline - NowMs();
    if (left <= 0) return false;
    const DWORD wait = left < look ? static_cast<DWORD>(left) + 1 : look;
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, kWakeFor, 0);
  }
}

}  // namespace

bool WaitUntil(DWORD milliseconds, const std::function<bool()>& done) {
  return Wait(milliseconds, kLookMs, done);
}

void Pause(DWORD milliseconds) {
  Wait(milliseconds, milliseconds, [] { return false; });
}

bool OperationRunning() { return Depth > 0; }

bool HeldForOperation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Depth == 0 || !IsCommand(message)) return false;
  if (IsClose(message, wParam)) Cancelled = true;
  Held.push_back(MSG{window, message, wParam, lParam, 0, {}});
  return true;
}
