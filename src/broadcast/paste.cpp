// The paths of a paste: nothing for no or empty text, one terminal every 100 ms for a single
// line, and for text with line feeds the confirmation dialog or the commands straight away. A
// terminal that is hung or shows no dialog costs at most its ten looks and the bounds of pressing
// its dialog's OK.
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
#include "runtime/pacing.h"
#include "runtime/terminal_dialog_ok.h"
#include "settings/settings_file.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_lists.h"

namespace {

constexpr DWORD kPauseMs = 100;  // before each single-line paste and before each look
constexpr int kDialogLooks = 10;

// The clipboard's text, copied within the size of its memory block, so a block without a
// terminating zero cannot be overrun. nullopt when the clipboard is held by another program,
// holds no text, or no memory can be had for the copy. The clipboard is closed on every path.
std::optional<std::wstring> CopyClipboardText() {
  if (!OpenClipboard(FlockhandWindow())) return std::nullopt;
  std::optional<std::wstring> text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const auto* block = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
    try {
      text.emplace(block, ClipboardTextLength(block, GlobalSize(data)));
    } catch (const std::bad_alloc&) {
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void PostPasteCommand(HWND terminal) {
  PostMessageW(terminal, WM_COMMAND, kTerminalPasteCommand, 0);
}

void PasteOneByOne() {
  ServeEach(SelectedTerminals, [](const TerminalEntry& entry) {
    Pause(kPauseMs);
    PostPasteCommand(entry.window);
  });
}

// With forcePaste the terminals' dialogs were made active in turn; the user's next keys belong
// in the command box, where the paste started.
void PostPasteCommands() {
  const bool force = CurrentSettings.forcePaste;
  ServeEach(SelectedTerminals, [force](const TerminalEntry& entry) {
    PostPasteCommand(entry.window);
    if (force) PressTerminalDialogOk(entry.window, {kPauseMs, kDialogLooks});
  });
  if (!force) return;
  BringFlockhandForward();
  SetFocus(FlockhandCommandBox());
}

}  // namespace

void BroadcastPaste() {
  if (GetFocus() != FlockhandCommandBox() || SelectedTerminals.empty()) return;
  if (!AllSelectedNormal()) {
    MinimizedWarning();
    return;
  }
  std::optional<std::wstring> text = CopyClipboardText();
  if (!text) return;
  switch (ChoosePastePath(*text, CurrentSettings.pasteConfirm, CurrentSettings.forcePaste)) {
    case PastePath::Nothing: return;
    case PastePath::OneByOne:
      text.reset();
      PasteOneByOne();
      return;
    case PastePath::Confirm:
      if (PasteConfirmDialog(std::move(*text))) PostPasteCommands();
      return;
    case PastePath::AllAtOnce:
    case PastePath::WithClicks:
      text.reset();
      PostPasteCommands();
      return;
  }
}
