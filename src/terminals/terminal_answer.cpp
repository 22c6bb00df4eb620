// See terminal_answer.h. SMTO_NORMAL: while waiting, Flockhand answers what other programs send
// it (a command among that waits for the running operation), so only its painting waits, and
// only for a terminal that is slow.
#include "terminals/terminal_answer.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 300;

}  // namespace

bool TerminalAnswers(HWND terminal) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(terminal, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kAnswerTimeoutMs, &ignored) != 0;
}
