// The command box never holds text: key-downs are broadcast, key-ups and characters are
// swallowed, so the edit control never sees a character. Alt keys (WM_SYSKEYDOWN) pass to
// the edit control untouched and are not broadcast. The box has no input method: one would
// compose inside Flockhand and hand the box VK_PROCESSKEY instead of the keys typed.
#include "broadcast/keystroke.h"

#include <imm.h>

#include "base/subclass.h"
#include "broadcast/paste.h"
#include "runtime/flockhand_window.h"
#include "runtime/journal.h"
#include "runtime/operation_guard.h"
#include "terminals/reach_watch.h"
#include "terminals/terminal_lists.h"

namespace {

// The warning has no owner, so the main window stays usable behind it and its modal loop
// delivers further key-downs to the command box: each would open another box inside the last
// one's loop until the stack runs out. While it is shown, key-downs are swallowed. Keys typed
// during an operation and typed again after it warn once, not once a key.
struct WarningState {
  bool WarningShown = false;
  unsigned WarnedInJournalRun = 0;
} Warning;

void BroadcastKeystroke(WPARAM wParam, LPARAM lParam) {
  if (SelectedTerminals.empty() || Warning.WarningShown || wParam == VK_PROCESSKEY) return;
  if (!AllSelectedNormal()) {
    MinimizedWarning();
    return;
  }
  // A terminal closed since it was selected is skipped: its handle may be another window's by
  // now. One that refuses the key is named at once (see NoteRefusedKey).
  const bool someUnreached = !UnreachedWindows().empty();
  for (const TerminalEntry& entry : SelectedTerminals) {
    if (someUnreached && ReachOf(entry.window) == Reach::Gone) continue;
    if (!PostMessageW(entry.window, WM_KEYDOWN, wParam, lParam)) {
      NoteRefusedKey(entry.window, GetLastError());
    }
  }
}

bool StartsSomething(UINT message) {
  return message == WM_KEYDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONUP;
}

// onDoubleClick: the gesture given by the panel. What comes during an operation (sent by
// another program: the user's own input is not read then) waits for its end.
LRESULT CommandBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                       DWORD_PTR onDoubleClick) {
  if (StartsSomething(message) && HeldForOperation(window, message, wParam, lParam)) return 0;
  switch (message) {
    case WM_KEYDOWN: BroadcastKeystroke(wParam, lParam); return 0;
    case WM_KEYUP:
    case WM_CHAR: return 0;
    case WM_LBUTTONDBLCLK: reinterpret_cast<void (*)()>(onDoubleClick)(); return 0;
    case WM_RBUTTONUP: BroadcastPaste(); return 0;
    // The edit's context menu, whose Paste would put text into the box, never opens: not on a
    // right-click (that pastes to the terminals), nor on Shift+F10 or the menu key.
    case WM_CONTEXTMENU: return 0;
    default: return PassOn(window, message, wParam, lParam);
  }
}

// A terminal whose placement cannot be read (it has closed since the last refresh) counts
// as normal: the post to it simply fails, and the live terminals still get the key.
bool IsNormal(HWND terminal) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(terminal, &placement)) return true;
  return placement.showCmd == SW_SHOWNORMAL;
}

}  // namespace

void InstallCommandBoxProc(HWND commandBox, void (*onDoubleClick)()) {
  SubclassControl(commandBox, CommandBoxProc, reinterpret_cast<DWORD_PTR>(onDoubleClick));
  ImmAssociateContext(commandBox, nullptr);
}

bool AllSelectedNormal() {
  bool allNormal = true;
  for (const TerminalEntry& entry : SelectedTerminals) {
    if (!IsNormal(entry.window)) allNormal = false;
  }
  return allNormal;
}

void MinimizedWarning() {
  const unsigned run = JournalRun();
  if (Warning.WarningShown || (run && run == Warning.WarnedInJournalRun)) return;
  Warning.WarnedInJournalRun = run;
  Warning.WarningShown = true;
  MessageBoxW(nullptr,
              L"選択対象のTeraTermウィンドウの中に最小化されているものがあります。\n"
              L"もう一度並べてください。",
              L"警告", MB_ICONWARNING | MB_OK);
  Warning.WarningShown = false;
  // Closing an ownerless box activates the next window in z-order, which may be a terminal:
  // the user's next keys would then go to that one terminal alone.
  SetForegroundWindow(FlockhandWindow());
  SetFocus(FlockhandCommandBox());
}
