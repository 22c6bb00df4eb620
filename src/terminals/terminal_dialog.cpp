// GetWindow(GW_ENABLEDPOPUP) answers this on Windows, but returns the terminal itself when it
// owns no such pop-up, and Wine 8 always returns NULL for it. So an answer other than the
// terminal is taken as it is, and otherwise the terminal thread's top-level windows are
// searched for an enabled, visible one that the terminal owns. Both lookups only read the
// window manager's state: a hung terminal cannot block them.
#include "terminals/terminal_dialog.h"

namespace {

struct DialogSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchOwnedDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window) ||
      !IsWindowEnabled(window)) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindTerminalDialog(HWND terminal) {
  HWND popup = GetWindow(terminal, GW_ENABLEDPOPUP);
  if (popup && popup != terminal) return popup;
  const DWORD thread = GetWindowThreadProcessId(terminal, nullptr);
  if (thread == 0) return nullptr;
  DialogSearch search{terminal, nullptr};
  EnumThreadWindows(thread, MatchOwnedDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
