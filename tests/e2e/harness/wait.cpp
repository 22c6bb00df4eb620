// WaitUntil: predicate polling interleaved with MsgWaitForMultipleObjects and message dispatch.
#include "harness/wait.h"

#include <windows.h>

#include <algorithm>

namespace e2e {

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

namespace {

using Clock = std::chrono::steady_clock;

// Sleeps until a message arrives for this thread or the time is up, then dispatches messages.
void PumpFor(Millis duration) {
  MsgWaitForMultipleObjectsEx(0, nullptr,
                              static_cast<DWORD>(std::max<Millis::rep>(0, duration.count())),
                              QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  PumpMessages();
}

}  // namespace

bool WaitUntil(const std::function<bool()>& predicate, Millis timeout, Millis interval) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    PumpMessages();
    if (predicate()) return true;
    const auto now = Clock::now();
    if (now >= deadline) return false;
    PumpFor(std::min(interval, std::chrono::duration_cast<Millis>(deadline - now) + 1ms));
  }
}

}  // namespace e2e
