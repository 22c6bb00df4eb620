// Bringing forward, flashing and minimising. SetForegroundWindow and ShowWindowAsync only ask
// the terminal's thread to act, so a hung terminal cannot hold them; each terminal is given a
// short while to carry them out before the next. FlashWindowEx has no such form: it redraws the
// caption through a message sent to the terminal, which waits for its thread, so a terminal is
// flashed only when it has just answered within that while.
#include "operations/flash_and_hide.h"

#include "base/subclass.h"
#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/operation_guard.h"
#include "terminals/terminal_answer.h"
#include "terminals/terminal_lists.h"

namespace {

// Time for the terminals to come forward before Flockhand acts again.
constexpr DWORD kSettlePauseMs = 150;

LRESULT TerminalListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
  if (message == WM_LBUTTONDBLCLK) {
    if (!HeldForOperation(window, message, wParam, lParam)) FrontAndFlash();
    return 0;
  }
  return PassOn(window, message, wParam, lParam);
}

// The caption only, twice, 250 ms apart.
void FlashCaption(HWND terminal) {
  if (!TerminalAnswers(terminal)) return;
  FLASHWINFO flash{sizeof(flash), terminal, FLASHW_CAPTION, 2, 250};
  FlashWindowEx(&flash);
}

}  // namespace

void InstallTerminalListProc(HWND terminalList) { SubclassControl(terminalList, TerminalListProc); }

void FrontAndFlash() {
  const PacedOperation operation;
  ServeEach(SelectedTerminals, [](const TerminalEntry& entry) {
    SetForegroundWindow(entry.window);
    FlashCaption(entry.window);
  });
  Pause(kSettlePauseMs);
  BringFlockhandForward();
}

void FlashSelected() {
  ServeEach(SelectedTerminals, [](const TerminalEntry& entry) { FlashCaption(entry.window); });
  SetFocus(FlockhandCommandBox());
}

// Every terminal, also those the filter hides from the list; the selected ones are left exactly
// as they are. A terminal that was in front gives the activation away as it goes down, and
// Flockhand takes it.
void HideOthers() {
  const PacedOperation operation;
  ServeEach(Unselected(AllTerminals, SelectedTerminals), [](const TerminalEntry& entry) {
    ShowWindowAsync(entry.window, SW_MINIMIZE);
    TerminalAnswers(entry.window);
  });
  Pause(kSettlePauseMs);
  BringCommandBoxForward();
}
