// See terminal_answer.h. SMTO_BLOCK: while waiting, messages that other programs send to
// Flockhand are not handled, so none can run an operation in the middle of another.
#include "terminals/terminal_answer.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 300;

}  // namespace

bool TerminalAnswers(HWND terminal) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(terminal, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                             kAnswerTimeoutMs, &ignored) != 0;
}
