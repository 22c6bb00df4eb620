// See terminal_answer.h. The question is a WM_NULL sent with a callback, so that Flockhand keeps
// reading its own messages while the terminal gets to it; a late answer to an earlier question
// is told apart by its number.
#include "terminals/terminal_answer.h"

#include "terminals/pacing.h"

namespace {

constexpr DWORD kAnswerTimeoutMs = 300;

ULONG_PTR Asked = 0;
bool Answered = false;

void CALLBACK OnAnswer(HWND, UINT, ULONG_PTR question, LRESULT) {
  if (question == Asked) Answered = true;
}

}  // namespace

bool TerminalAnswers(HWND terminal) {
  if (IsHungAppWindow(terminal)) return false;
  Answered = false;
  if (!SendMessageCallbackW(terminal, WM_NULL, 0, 0, OnAnswer, ++Asked)) return false;
  return WaitUntil(kAnswerTimeoutMs, [] { return Answered; });
}
