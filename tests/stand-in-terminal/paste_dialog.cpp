// Reads CF_UNICODETEXT as the terminal does, then runs its paste-confirmation dialog: one try
// to open the clipboard, no retry (a clipboard that another program holds loses the paste),
// the clipboard held for a few milliseconds while the text is read.
#include "paste_dialog.h"

#include <cwchar>
#include <string>

#include "dialog.h"
#include "record.h"

namespace {

constexpr DWORD kReadingMs = 3;

constexpr WORD kMessageId = 100;

struct PendingPaste {
  Terminal* terminal;
  std::wstring text;
};

bool ReadClipboardText(HWND owner, std::wstring& text) {
  if (!OpenClipboard(owner)) return false;
  Sleep(kReadingMs);
  text.clear();
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Bounded by the block size in case the text lacks its terminator.
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return true;
}

void Paste(Terminal& terminal, const std::wstring& text) {
  AppendToScreen(terminal, text);
  RecordEventText(terminal.hwnd, "PASTE", text);
}

INT_PTR CALLBACK ConfirmProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* pending = reinterpret_cast<PendingPaste*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      PostMessageW(dialog, kDialogShownMessage, 0, 0);
      return TRUE;
    case kDialogShownMessage: RecordEvent(pending->terminal->hwnd, "PASTECONFIRM"); return TRUE;
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      if (id != IDOK && id != IDCANCEL) return FALSE;
      if (id == IDOK)
        Paste(*pending->terminal, pending->text);
      else
        RecordEvent(pending->terminal->hwnd, "PASTECANCEL");
      EndDialog(dialog, id);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

void PasteFromClipboard(Terminal& terminal) {
  std::wstring text;
  if (!ReadClipboardText(terminal.hwnd, text)) {
    RecordEvent(terminal.hwnd, "PASTEFAIL");
    return;
  }
  const bool multiLine = text.find_first_of(L"\r\n") != std::wstring::npos;
  if (!terminal.options->confirmPaste || !multiLine) {
    Paste(terminal, text);
    return;
  }
  if (terminal.dialogOpen) {
    RecordEvent(terminal.hwnd, "BUSY " + std::to_string(kPasteCommand));
    return;
  }
  PendingPaste pending{&terminal, text};
  const std::vector<DialogItem> items = {
      {ControlClass::Static, SS_LEFT, 7, 7, 186, 20, kMessageId,
       L"The clipboard holds several lines. Paste them into the terminal?"},
      {ControlClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 84, 34, 50, 14, IDOK, L"OK"},
      {ControlClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 143, 34, 50, 14, IDCANCEL, L"Cancel"},
  };
  if (RunModalDialog(terminal, L"Paste confirmation", 200, 55, items, ConfirmProc,
                     reinterpret_cast<LPARAM>(&pending)) == -1) {
    RecordEvent(terminal.hwnd, "PASTEFAIL");
  }
}
