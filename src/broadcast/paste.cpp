// The paths of a paste: nothing for no or empty text, one terminal every 100 ms for a single
// line, and for text with line feeds the confirmation dialog or the commands straight away. A
// terminal that is hung or shows no dialog costs at most its ten looks and the bounds of pressing
// its dialog's OK. A terminal pastes what the clipboard holds when it gets its command, so the
// paste stops where the clipboard no longer holds the text read at the start, the one the
// confirmation showed: the rest would get text the user never saw.
#include "broadcast/paste.h"

#include <windows.h>

#include <new>
#include <optional>
#include <string>

#include "broadcast/keystroke.h"
#include "broadcast/paste_confirm_dialog.h"
#include "broadcast/paste_text.h"
#include "runtime/flockhand_window.h"
#include "runtime/foreground.h"
#include "runtime/notice.h"
#include "runtime/pacing.h"
#include "runtime/terminal_dialog_ok.h"
#include "settings/settings_file.h"
#include "terminals/reach_watch.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_lists.h"

namespace {

constexpr DWORD kPauseMs = 100;  // before each single-line paste and before each look
constexpr int kDialogLooks = 10;

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

// Asks the selected terminals to paste, each after pauseMs and, with pressOk, through its
// confirmation, as long as the clipboard holds text, sequence being its sequence number when
// the text was read; tells under the command box when it stopped early and why.
void ServePaste(const std::wstring& text, DWORD sequence, DWORD pauseMs, bool pressOk) {
  bool changed = false;
  const std::size_t total = SelectedTerminals.size();
  std::size_t served = ServeEach(SelectedTerminals, [&](const TerminalEntry& entry) {
    if (ReachOf(entry.window) == Reach::Gone) return;  // closed: no pause, no dialog to wait for
    if (pauseMs) Pause(pauseMs);
    changed = !ClipboardStillHolds(text, sequence);
    if (changed) {
      CancelOperation();
      return;
    }
    PostMessageW(entry.window, WM_COMMAND, kTerminalPasteCommand, 0);
    if (pressOk) PressTerminalDialogOk(entry.window, {kPauseMs, kDialogLooks});
  });
  if (changed) --served;
  const std::wstring counts = std::to_wstring(served) + L" / " + std::to_wstring(total);
  if (changed) {
    ShowNotice(L"クリップボードが変わったため、残りのウィンドウには貼り付けませんでした（" + counts +
               L"）。");
  } else if (served < total) {
    ShowNotice(L"貼り付けを中止しました（" + counts + L"）。");
  }
}

// With forcePaste the terminals' dialogs were made active in turn; the user's next keys belong
// in the command box, where the paste started.
void PostPasteCommands(const std::wstring& text, DWORD sequence) {
  const bool force = CurrentSettings.forcePaste;
  ServePaste(text, sequence, 0, force);
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
    case PastePath::OneByOne: ServePaste(*text, sequence, kPauseMs, false); return;
    case PastePath::Confirm:
      if (PasteConfirmDialog(*text)) PostPasteCommands(*text, sequence);
      return;
    case PastePath::AllAtOnce:
    case PastePath::WithClicks: PostPasteCommands(*text, sequence); return;
  }
}
