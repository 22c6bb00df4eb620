// See terminal_dialog_ok.h.
#include "runtime/terminal_dialog_ok.h"

#include "runtime/operation.h"
#include "terminals/terminal_answer.h"
#include "terminals/terminal_dialog.h"

namespace {

// How long a terminal may take to end its dialog once OK is pressed (Wine without a window
// manager can take about two seconds); Flockhand goes on once it has, or after this.
constexpr DWORD kDialogGoneMs = 3000;

HWND LookForDialog(HWND terminal, DialogLooks looks) {
  for (int look = 0; look < looks.times && IsWindow(terminal); ++look) {
    Pause(looks.everyMs);
    if (HWND dialog = FindTerminalDialog(terminal)) return dialog;
  }
  return nullptr;
}

}  // namespace

// Ending the dialog hides it, then activates the terminal: only the dialog gone and the terminal
// answering tell that both are done.
void PressTerminalDialogOk(HWND terminal, DialogLooks looks,
                           const std::function<void(HWND dialog)>& fill) {
  HWND dialog = LookForDialog(terminal, looks);
  if (!dialog) return;
  if (fill) fill(dialog);
  if (HWND ok = GetDlgItem(dialog, IDOK)) PostMessageW(ok, BM_CLICK, 0, 0);
  WaitUntil(kDialogGoneMs, [dialog] { return !IsWindow(dialog); });
  TerminalAnswers(terminal);
}
