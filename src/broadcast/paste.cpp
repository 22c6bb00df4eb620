// The paths of a paste: nothing for no or empty text, and otherwise one terminal after the
// other, through the confirmation dialog for text with line feeds when it is asked for. Only one
// program can have the clipboard open, and a terminal that cannot open it pastes nothing and
// tells nobody; so each terminal is served once the one before has done with the clipboard: its
// paste command returned, or its own confirmation showed (it reads the clipboard before asking).
// A terminal that does neither within the bound costs that bound and is named afterwards. A
// terminal pastes what the clipboard holds when it reads it, so the paste stops where the
// clipboard no longer holds the text read at the start, the one the confirmation showed: the
// rest would get text the user never saw.
#include "broadcast/paste.h"

#include <windows.h>

#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "base/notice.h"
#include "broadcast/keystroke.h"
#include "broadcast/paste_confirm_dialog.h"
#include "broadcast/paste_text.h"
#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/operation.h"
#include "runtime/sent_command.h"
#include "settings/settings_file.h"
#include "terminals/reach_watch.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_dialog.h"
#include "terminals/terminal_lists.h"

namespace {

// How long a terminal may take over its paste command, its own confirmation showing included;
// as long as the ten looks for that confirmation took when they were pauses.
constexpr UINT kPasteBoundMs = 1000;
// How often the terminal's confirmation is looked for while its command is under way. A modal
// dialog disables its owner, so the dialog is searched for only then: the search asks about
// every window of the terminal's thread, which cost more than most terminals take to paste.
constexpr DWORD kDialogLookMs = 10;
// How long a terminal may take to end its dialog once OK is pressed (Wine without a window
// manager can take about two seconds).
constexpr DWORD kDialogGoneMs = 3000;

// What the clipboard holds: opened false when another program holds it open (a terminal
// pasting); text nullopt when it holds no text, or no memory can be had for the copy.
struct ClipboardLook {
  bool opened;
  std::optional<std::wstring> text;
};

// The clipboard's text, copied within the size of its memory block, so a block without a
// terminating zero cannot be overrun. The clipboard is closed on every path.
ClipboardLook LookAtClipboard() {
  if (!OpenClipboard(FlockhandWindow())) return {false, std::nullopt};
  ClipboardLook look{true, std::nullopt};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const auto* block = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
    try {
      look.text.emplace(block, ClipboardTextLength(block, GlobalSize(data)));
    } catch (const std::bad_alloc&) {
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return look;
}

// Whether the clipboard still holds the text the paste started with (the one the user
// confirmed). Its sequence number tells a change at no cost; under Wine it also moves a while
// after any copy, so the text decides. A clipboard that another program holds open is looked at
// again at the next terminal; one emptied or without text no longer holds it.
bool ClipboardStillHolds(const std::wstring& text, DWORD& sequence) {
  const DWORD now = GetClipboardSequenceNumber();
  if (now == sequence) return true;
  const ClipboardLook look = LookAtClipboard();
  if (!look.opened) return true;
  if (look.text != text) return false;
  sequence = now;
  return true;
}

// Pressing OK ends the dialog, which hides it and activates the terminal again; its paste
// command returns after that. Both are waited for, so that the terminal cannot take the
// foreground back once the next one is served.
void PressOk(SentCommand& paste, HWND dialog) {
  if (HWND ok = GetDlgItem(dialog, IDOK)) PostMessageW(ok, BM_CLICK, 0, 0);
  WaitUntil(kDialogGoneMs, [dialog] { return !IsWindow(dialog); });
  paste.WaitHandled(kDialogLookMs, [] { return false; });
}

// Confirmed: through its confirmation, which took a while after the clipboard was looked at.
enum class Served { Done, Confirmed, Unanswered, Changed };

// Serves one terminal its paste command. Once it has read the clipboard (its command returned, or
// its confirmation showed), stillHolds() tells whether it can have read the text the paste
// started with; if not, its confirmation is left to the user. Otherwise, with pressOk, its
// confirmation's OK is pressed. Unanswered when it did neither within the bound.
Served PasteInto(HWND terminal, bool pressOk, const std::function<bool()>& stillHolds) {
  SentCommand paste(terminal, kTerminalPasteCommand, kPasteBoundMs);
  HWND dialog = nullptr;
  const bool returned = paste.WaitHandled(kDialogLookMs, [&] {
    return !IsWindowEnabled(terminal) && (dialog = FindTerminalDialog(terminal)) != nullptr;
  });
  if (!returned && !dialog) return Served::Unanswered;
  if (!stillHolds()) return Served::Changed;
  if (returned || !pressOk) return Served::Done;
  PressOk(paste, dialog);
  return Served::Confirmed;
}

// Asks the selected terminals to paste one after another, with pressOk through their own
// confirmations, as long as the clipboard holds the text, sequence being its sequence number
// when the text was read. The clipboard is looked at only between terminals: before the first,
// and once each has read the clipboard, so that a terminal served while the clipboard changed is
// not counted; that look is the next one's look before. Tells under the command box when the
// paste stopped early and why, or which terminals did not answer.
void ServePaste(const std::wstring& text, DWORD sequence, bool pressOk) {
  bool changed = false;
  std::vector<std::wstring> unanswered;
  const auto stillHolds = [&] { return ClipboardStillHolds(text, sequence); };
  const std::size_t total = SelectedTerminals.size();
  std::size_t served = 0;   // a terminal served while the clipboard changed is not counted
  std::size_t skipped = 0;  // closed since they were selected: nothing to paste into
  bool lookedAt = false;     // the clipboard, once the terminal before had read it
  ServeEach(SelectedTerminals, [&](const TerminalEntry& entry) {
    if (ReachOf(entry.window) == Reach::Gone) {
      ++skipped;
      return;
    }
    const Served result = lookedAt || stillHolds()
                              ? PasteInto(entry.window, pressOk, stillHolds)
                              : Served::Changed;
    lookedAt = result == Served::Done;
    changed = result == Served::Changed;
    if (changed) CancelOperation();
    if (!changed) ++served;
    if (result == Served::Unanswered) unanswered.push_back(entry.title);
  });
  const std::wstring counts = std::to_wstring(served) + L" / " + std::to_wstring(total);
  if (changed) {
    ShowNotice(L"クリップボードが変わったため、残りのウィンドウには貼り付けませんでした（" +
               counts + L"）。");
  } else if (served + skipped < total) {
    ShowNotice(L"貼り付けを中止しました（" + counts + L"）。");
  } else if (!unanswered.empty()) {
    ShowNotice(UnansweredPasteNotice(unanswered));
  }
}

// With forcePaste the terminals' dialogs were made active in turn; the user's next keys belong
// in the command box, where the paste started.
void PostPasteCommands(const std::wstring& text, DWORD sequence) {
  const bool force = CurrentSettings.forcePaste;
  ServePaste(text, sequence, force);
  if (!force) return;
  BringCommandBoxForward();
}

}  // namespace

// The confirmation is part of the operation: nothing else starts while it is open.
void BroadcastPaste() {
  const PacedOperation operation;
  if (GetFocus() != FlockhandCommandBox() || SelectedTerminals.empty()) return;
  if (!AllSelectedNormal()) {
    MinimizedWarning();
    return;
  }
  const DWORD sequence = GetClipboardSequenceNumber();
  const std::optional<std::wstring> text = LookAtClipboard().text;
  if (!text) return;
  switch (ChoosePastePath(*text, CurrentSettings.pasteConfirm, CurrentSettings.forcePaste)) {
    case PastePath::Nothing: return;
    case PastePath::OneByOne: ServePaste(*text, sequence, false); return;
    case PastePath::Confirm:
      if (PasteConfirmDialog(*text)) PostPasteCommands(*text, sequence);
      return;
    case PastePath::NoClicks:
    case PastePath::WithClicks: PostPasteCommands(*text, sequence); return;
  }
}
