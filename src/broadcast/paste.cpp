// The paths of a paste: nothing for no or empty text, one terminal every 100 ms for a single
// line, and for text with line feeds the confirmation dialog or the commands straight away. All
// waits block the GUI thread; a terminal that is hung or shows no dialog costs at most its ten
// looks, since nothing here waits for a terminal's answer.
#include "broadcast/paste.h"

#include <windows.h>

#include <new>
#include <optional>
#include <string>

#include "broadcast/keystroke.h"
#include "broadcast/paste_confirm_dialog.h"
#include "broadcast/paste_text.h"
#include "panel.h"
#include "settings/settings_file.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_dialog.h"
#include "terminals/terminal_lists.h"

namespace {

constexpr DWORD kPauseMs = 100;  // before each single-line paste and before each look
constexpr int kDialogLooks = 10;

// The clipboard's text, copied within the size of its memory block, so a block without a
// terminating zero cannot be overrun. nullopt when the clipboard is held by another program,
// holds no text, or no memory can be had for the copy. The clipboard is closed on every path.
std::optional<std::wstring> CopyClipboardText() {
  if (!OpenClipboard(MainWindow)) return std::nullopt;
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

void PressTerminalOk(HWND terminal) {
  for (int look = 0; look < kDialogLooks; ++look) {
    Sleep(kPauseMs);
    if (HWND dialog = FindTerminalDialog(terminal)) {
      if (HWND ok = GetDlgItem(dialog, IDOK)) PostMessageW(ok, BM_CLICK, 0, 0);
      return;
    }
  }
}

void PasteOneByOne() {
  for (const TerminalEntry& entry : SelectedTerminals) {
    Sleep(kPauseMs);
    PostPasteCommand(entry.window);
  }
}

}  // namespace

void PostPasteCommands() {
  for (const TerminalEntry& entry : SelectedTerminals) {
    PostPasteCommand(entry.window);
    if (CurrentSettings.forcePaste) PressTerminalOk(entry.window);
  }
}

void BroadcastPaste() {
  if (GetFocus() != CommandBox || SelectedTerminals.empty()) return;
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
    case PastePath::Confirm: PasteConfirmDialog(std::move(*text)); return;
    case PastePath::AllAtOnce:
    case PastePath::WithClicks:
      text.reset();
      PostPasteCommands();
      return;
  }
}
