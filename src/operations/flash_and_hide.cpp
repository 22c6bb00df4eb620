// Bringing forward, flashing and minimising. SetForegroundWindow and ShowWindowAsync only ask
// the terminal's thread to act, so a hung terminal cannot hold them. FlashWindowEx has no such
// form: it redraws the caption through a message sent to the terminal, which waits for its
// thread, so a terminal is flashed only once it has just answered within a short bound.
#include "operations/flash_and_hide.h"

#include "panel.h"
#include "subclass.h"
#include "terminals/terminal_lists.h"

namespace {

// Time for the terminals to come forward before Flockhand acts again.
constexpr DWORD kSettlePauseMs = 150;
// A terminal that has not handled a message within this is left unflashed.
constexpr UINT kFlashAnswerTimeoutMs = 200;

WNDPROC TerminalListDefaultProc;

LRESULT CALLBACK TerminalListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDBLCLK) {
    FrontAndFlash();
    return 0;
  }
  return CallWindowProcW(TerminalListDefaultProc, window, message, wParam, lParam);
}

// The caption only, twice, 250 ms apart.
void FlashCaption(HWND terminal) {
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(terminal, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                           kFlashAnswerTimeoutMs, &ignored)) {
    return;
  }
  FLASHWINFO flash{sizeof(flash), terminal, FLASHW_CAPTION, 2, 250};
  FlashWindowEx(&flash);
}

}  // namespace

void InstallTerminalListProc(HWND terminalList) {
  TerminalListDefaultProc = SubclassControl(terminalList, TerminalListProc);
}

void FrontAndFlash() {
  for (const TerminalEntry& entry : SelectedTerminals) {
    SetForegroundWindow(entry.window);
    FlashCaption(entry.window);
  }
  Sleep(kSettlePauseMs);
  SetForegroundWindow(MainWindow);
}

void FlashSelected() {
  for (const TerminalEntry& entry : SelectedTerminals) FlashCaption(entry.window);
  SetFocus(CommandBox);
}

// Every terminal, also those the filter hides from the list; the selected ones are left exactly
// as they are.
void HideOthers() {
  for (const TerminalEntry& entry : AllTerminals) {
    if (!ContainsWindow(SelectedTerminals, entry.window))
      ShowWindowAsync(entry.window, SW_MINIMIZE);
  }
  Sleep(kSettlePauseMs);
  SetFocus(CommandBox);
}
