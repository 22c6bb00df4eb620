// The group name dialog: WM_INITDIALOG fills it, OK reads it back. A name is any text that can
// be typed or pasted into the box, Japanese included; only an empty name is refused.
#include "groups/group_name_dialog.h"

#include "base/resource_ids.h"
#include "runtime/flockhand_window.h"

namespace {

// Long enough for any name a person types; the menu shows the first 60 units.
constexpr int kNameLimit = 255;

struct NameRequest {
  const wchar_t* caption;
  std::wstring name;
  const NameCheck* check;
};

INT_PTR OnInitDialog(HWND dialog, LPARAM lParam) {
  SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  const auto* request = reinterpret_cast<NameRequest*>(lParam);
  SetWindowTextW(dialog, request->caption);
  SendDlgItemMessageW(dialog, IDC_GROUP_NAME, EM_SETLIMITTEXT, kNameLimit, 0);
  SetDlgItemTextW(dialog, IDC_GROUP_NAME, request->name.c_str());
  SendDlgItemMessageW(dialog, IDC_GROUP_NAME, EM_SETSEL, 0, -1);
  return TRUE;  // the focus goes to the name box, the first tab stop
}

INT_PTR OnOk(HWND dialog) {
  auto* request = reinterpret_cast<NameRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
  const HWND box = GetDlgItem(dialog, IDC_GROUP_NAME);
  std::wstring name(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  name.resize(static_cast<std::size_t>(GetWindowTextW(box, name.data(), static_cast<int>(name.size()))));
  if (name.empty()) {
    MessageBeep(MB_OK);
    return TRUE;
  }
  if (!(*request->check)(dialog, name)) {
    SetFocus(box);
    return TRUE;
  }
  request->name = name;
  EndDialog(dialog, IDOK);
  return TRUE;
}

INT_PTR CALLBACK GroupNameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog, lParam);
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) return OnOk(dialog);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

std::optional<std::wstring> AskGroupName(const wchar_t* caption, const std::wstring& name,
                                         const NameCheck& check) {
  NameRequest request{caption, name, &check};
  const INT_PTR result =
      DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GROUP_NAME),
                      FlockhandWindow(), GroupNameProc, reinterpret_cast<LPARAM>(&request));
  if (result != IDOK) return std::nullopt;
  return request.name;
}
