// The menu-bar switch. Off goes through each terminal's window-setup dialog: the terminal opens
// it on a posted command, Flockhand writes the terminal's title into it, ticks "hide menu bar"
// and presses OK. On posts the command of item 8 of the terminal's system menu. A terminal that
// is hung, has closed or shows no dialog costs at most the bounds below; it is left as it is and
// the others are still served.
#include "operations/menu_bar.h"

#include "runtime/foreground.h"
#include "runtime/operation.h"
#include "runtime/terminal_dialog_ok.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_lists.h"

namespace {

// The setup dialog is looked for 150 ms after the command and every 150 ms after that, at most
// 13 times: about two seconds.
constexpr DWORD kDialogPollMs = 150;
constexpr int kDialogLooks = 13;
// How long the dialog's title edit may take to take the title.
constexpr UINT kSetTextTimeoutMs = 1000;
constexpr DWORD kSettlePauseMs = 150;

void HideMenuBar(const TerminalEntry& entry) {
  SetActiveWindow(entry.window);
  PostMessageW(entry.window, WM_COMMAND, kTerminalWindowSetupCommand, 0);
  PressTerminalDialogOk(entry.window, {kDialogPollMs, kDialogLooks}, [&entry](HWND dialog) {
    // Sent, so that the title is in place before the check and OK, which are posted, are
    // handled. A dialog that has not taken it within the bound still gets them: a terminal that
    // is only slow then finishes the switch when it catches up. While it waits, Flockhand
    // answers what other programs send it; a command among them waits for this operation.
    // The title is the one the terminal shows now, which the dialog keeps: its entry's may be
    // older (read at the last refresh, or when it was selected), and would rename it back.
    wchar_t title[kTitleCapacity];
    const wchar_t* shown =
        GetWindowTextW(entry.window, title, kTitleCapacity) > 0 ? title : entry.title.c_str();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, kSetupTitleEdit), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(shown), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kSetTextTimeoutMs, &ignored);
    PostMessageW(GetDlgItem(dialog, kSetupHideMenuBarCheck), BM_SETCHECK, BST_CHECKED, 0);
  });
}

// Another process's system menu cannot be read under Wine (GetSystemMenu gives NULL): nothing is
// posted then, nor when position 8 holds no command, rather than a command of no meaning.
void ShowMenuBar(HWND terminal) {
  SetActiveWindow(terminal);
  HMENU systemMenu = GetSystemMenu(terminal, FALSE);
  if (!systemMenu) return;
  const UINT command = GetMenuItemID(systemMenu, kShowMenuBarMenuPosition);
  if (command == 0 || command == static_cast<UINT>(-1)) return;
  PostMessageW(terminal, WM_SYSCOMMAND, command, 0);
}

}  // namespace

void SwitchMenuBars(bool hide) {
  const PacedOperation operation;
  if (hide) {
    ServeEach(SelectedTerminals, HideMenuBar);
  } else {
    ServeEach(SelectedTerminals, [](const TerminalEntry& entry) { ShowMenuBar(entry.window); });
  }
  Pause(kSettlePauseMs);
  // Each terminal was made active for its switch; where that took the foreground (Wine), the
  // user's next keys would go to the last terminal alone instead of the command box.
  BringCommandBoxForward();
}
