// Builds DLGTEMPLATE/DLGITEMTEMPLATE data in memory and runs the resulting
// dialogs with DialogBoxIndirectParamW, as a terminal program runs its own.
#include "dialog.h"

#include "record.h"

namespace {

constexpr ATOM kDialogClassAtom = 32770;  // "#32770"

class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const wchar_t* text) {
    for (; *text; ++text) Word(static_cast<WORD>(*text));
    Word(0);
  }
  // Item templates start on a DWORD boundary.
  void AlignDword() {
    if (words_.size() % 2) Word(0);
  }
  const std::vector<WORD>& Words() const { return words_; }

 private:
  std::vector<WORD> words_;
};

std::vector<WORD> BuildTemplate(const wchar_t* caption, short cx, short cy,
                                const std::vector<DialogItem>& items) {
  TemplateWriter t;
  t.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.Dword(0);  // extended style
  t.Word(static_cast<WORD>(items.size()));
  t.Word(0);  // x
  t.Word(0);  // y
  t.Word(static_cast<WORD>(cx));
  t.Word(static_cast<WORD>(cy));
  t.Word(0);  // no menu
  t.Word(0);  // default dialog class
  t.Text(caption);
  t.Word(8);  // font size in points
  t.Text(L"MS Shell Dlg");
  for (const DialogItem& item : items) {
    t.AlignDword();
    t.Dword(WS_CHILD | WS_VISIBLE | item.style);
    t.Dword(0);  // extended style
    t.Word(static_cast<WORD>(item.x));
    t.Word(static_cast<WORD>(item.y));
    t.Word(static_cast<WORD>(item.cx));
    t.Word(static_cast<WORD>(item.cy));
    t.Word(item.id);
    t.Word(0xFFFF);
    t.Word(static_cast<WORD>(item.controlClass));
    t.Text(item.text);
    t.Word(0);  // no creation data
  }
  return t.Words();
}

// The dialog manager offers every message of its modal loop here before
// IsDialogMessage and TranslateMessage. Messages for windows outside any dialog
// are dispatched untranslated and reported handled. A key typed into a dialog is recorded
// against its terminal: DIALOGKEY and the virtual key.
LRESULT CALLBACK DialogLoopFilter(int code, WPARAM wParam, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && message->hwnd) {
    HWND root = GetAncestor(message->hwnd, GA_ROOT);
    if (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN) {
      RecordEvent(GetAncestor(message->hwnd, GA_ROOTOWNER), "DIALOGKEY " + Hex(message->wParam));
    }
    if (root && GetClassLongW(root, GCW_ATOM) != kDialogClassAtom) {
      DispatchMessageW(message);
      return TRUE;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

INT_PTR RunModalDialog(Terminal& terminal, const wchar_t* caption, short cx, short cy,
                       const std::vector<DialogItem>& items, DLGPROC procedure, LPARAM param) {
  const std::vector<WORD> words = BuildTemplate(caption, cx, cy, items);
  HWND owner = terminal.hwnd;
  terminal.dialogOpen = true;
  const INT_PTR result = DialogBoxIndirectParamW(
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
      reinterpret_cast<const DLGTEMPLATE*>(words.data()), owner, procedure, param);
  // The terminal is gone if it was closed while the dialog ran.
  if (Terminal* still = TerminalFromWindow(owner)) still->dialogOpen = false;
  return result;
}

void InstallDialogLoopFilter() {
  SetWindowsHookExW(WH_MSGFILTER, DialogLoopFilter, nullptr, GetCurrentThreadId());
}
