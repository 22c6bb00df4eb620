// See sent_command.h. The worker and the operation share one small block, freed by whichever of
// the two lets go of it last: an operation may go on while the send still waits for its bound.
#include "runtime/sent_command.h"

#include <atomic>

#include "runtime/operation.h"

struct SendState {
  HWND window;
  WPARAM command;
  UINT boundMs;
  HANDLE done;  // manual reset: set once the send has returned
  bool posted = false;
  std::atomic<bool> handled{false};
  std::atomic<int> holders{1};

  void Release() {
    if (--holders > 0) return;
    if (done) CloseHandle(done);
    delete this;
  }
};

namespace {

// Over the bound, for the worker to be scheduled and signal.
constexpr DWORD kWorkerSlackMs = 200;

// On a thread of the process's pool, which keeps its threads for the next send: making a thread
// for each terminal cost about a millisecond under Wine. SMTO_NORMAL: the worker has no window,
// nothing is sent to it.
DWORD WINAPI SendOnWorker(void* parameter) {
  auto* state = static_cast<SendState*>(parameter);
  DWORD_PTR ignored = 0;
  state->handled =
      SendMessageTimeoutW(state->window, WM_COMMAND, state->command, 0,
                          SMTO_NORMAL | SMTO_ABORTIFHUNG, state->boundMs, &ignored) != 0;
  SetEvent(state->done);
  state->Release();
  return 0;
}

}  // namespace

SentCommand::SentCommand(HWND window, WPARAM command, UINT boundMs)
    : state_(new SendState{window, command, boundMs, CreateEventW(nullptr, TRUE, FALSE, nullptr)}) {
  if (state_->done) {
    ++state_->holders;
    if (QueueUserWorkItem(SendOnWorker, state_, WT_EXECUTELONGFUNCTION)) return;
    --state_->holders;
  }
  state_->posted = true;
  PostMessageW(window, WM_COMMAND, command, 0);
}

SentCommand::~SentCommand() { state_->Release(); }

bool SentCommand::WaitHandled(DWORD lookMs, const std::function<bool()>& stop) {
  // A posted command sets no event: this waits the bound, looking.
  const DWORD bound = state_->boundMs + (state_->posted ? 0 : kWorkerSlackMs);
  return WaitForEvent(state_->done, bound, lookMs, stop) && state_->handled;
}
