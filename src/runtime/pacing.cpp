// Serving and waiting (operation.h). The waits read only posted, sent, timer and paint messages
// (PM_QS_*), so the user's clicks stay in the queue, in order, for the message loop to take after
// the operation, exactly as if Flockhand had slept.
#include "runtime/operation.h"

#include "runtime/operation_guard.h"

#include <algorithm>
#include <utility>

#include "runtime/flockhand_window.h"
#include "runtime/operation_progress.h"

namespace {

// How often a wait looks at a condition that no message announces (a window gone): each
// millisecond lost there is lost once for every terminal served.
constexpr DWORD kLookMs = 1;
// Between terminals served without a pause, messages are read at least this often.
constexpr double kReadEveryMs = 15;
// At most this many messages a look, so that a window that keeps asking to be painted cannot
// hold the operation.
constexpr int kMessagesPerLook = 1000;

// When messages were last read between terminals served.
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

// A click on the close button waits in the queue like any input, but closes the window as soon
// as the operation has ended, before anything done ahead of it.
void NoticeCloseClick() {
  MSG click;
  if (PeekMessageW(&click, FlockhandWindow(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE) &&
      click.wParam == HTCLOSE) {
    HeldCommandForOperation(FlockhandWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

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
    if (IsInput(message.message) &&
        HeldForOperation(message.hwnd, message.message, message.wParam, message.lParam)) {
      continue;
    }
    DispatchMessageW(&message);
  }
  NoticeCloseClick();
  ShowProgressWhenDue();
  ReadMs = NowMs();
}

// Reads messages for at most the given time, until done() holds, which is asked after every
// message and every look milliseconds; it wakes when the progress is due, and when `event` (if
// any) is signalled, as well.
bool Wait(DWORD milliseconds, DWORD look, const std::function<bool()>& done,
          HANDLE event = nullptr) {
  const PacedOperation operation;  // whatever waits is an operation
  KeepInputForOperation();
  const double deadline = NowMs() + milliseconds;
  // Messages read a moment ago (between terminals served) need no second read before the first
  // wait, nor after a wait that only the event ended.
  for (bool messagesMayWait = false;;) {
    if (messagesMayWait || NowMs() - ReadMs >= kReadEveryMs) ReadMessages();
    if (done()) return true;
    const double left = deadline - NowMs();
    if (left <= 0) return false;
    const DWORD wait =
        std::min({left < look ? static_cast<DWORD>(left) + 1 : look, MillisecondsUntilProgress()});
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(event ? 1 : 0, event ? &event : nullptr, wait, kWakeFor, 0);
    messagesMayWait = !event || woke != WAIT_OBJECT_0;
  }
}

}  // namespace

void ServeEach(std::vector<TerminalEntry> terminals,
               const std::function<void(const TerminalEntry&)>& step) {
  const PacedOperation operation;
  if (terminals.size() > 1) KeepInputForOperation();
  for (std::size_t next = 0; next < terminals.size() && !OperationCancelled(); ++next) {
    NoteProgress(next, terminals.size());
    if (NowMs() - ReadMs >= kReadEveryMs) ReadMessages();
    step(terminals[next]);
  }
}

bool WaitUntil(DWORD milliseconds, const std::function<bool()>& done) {
  return Wait(milliseconds, kLookMs, done);
}

bool WaitForEvent(HANDLE event, DWORD milliseconds, DWORD lookMs,
                  const std::function<bool()>& stop) {
  bool signalled = false;
  bool waited = false;  // what is waited for has only just begun: asked first after a wait
  Wait(
      milliseconds, lookMs,
      [&] {
        if (!std::exchange(waited, true)) return false;
        signalled = WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
        return signalled || stop();
      },
      event);
  return signalled;
}

void Pause(DWORD milliseconds) {
  Wait(milliseconds, milliseconds, [] { return false; });
}
