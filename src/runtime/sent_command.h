// A command sent to a terminal from a worker thread, so that Flockhand learns when the
// terminal's handler has returned without its own thread ever waiting on the terminal: it keeps
// reading its messages meanwhile, and Esc, the progress and the kept keys work as in any wait.
#pragma once

#include <windows.h>

#include <functional>

struct SendState;

class SentCommand {
 public:
  // Sends WM_COMMAND `command` (lParam 0) to the window with SendMessageTimeoutW, abandoned
  // after boundMs or at once for a window the system takes for hung. When no worker can be
  // had, the command is posted instead and is never reported handled.
  SentCommand(HWND window, WPARAM command, UINT boundMs);
  // The worker ends by itself within the bound; it is not waited for.
  ~SentCommand();
  SentCommand(const SentCommand&) = delete;
  SentCommand& operator=(const SentCommand&) = delete;

  // Waits, reading messages, until the send has returned or stop() holds (asked every lookMs),
  // at most a little over the bound. True when the window's handler returned.
  bool WaitHandled(DWORD lookMs, const std::function<bool()>& stop);

 private:
  SendState* state_;
};
