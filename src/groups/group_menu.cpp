// The groups menu is built anew each time from the groups of the moment. Its choice comes back
// to the main window as WM_COMMAND, like any menu's, and reaches DispatchGroupCommand.
#include "groups/group_menu.h"

#include <windowsx.h>

#include <string>

#include "base/resource_ids.h"
#include "groups/groups.h"
#include "runtime/flockhand_window.h"
#include "terminals/terminal_lists.h"

namespace {

// The first nine items are chosen by their digit, and recalled by Alt+Shift with it.
constexpr std::size_t kKeyedGroups = 9;

std::wstring ItemText(std::size_t index, bool withKey) {
  std::wstring name;
  for (const wchar_t unit : DisplayName(Groups[index].name)) {
    name += unit;
    if (unit == L'&') name += L'&';  // a lone "&" would underline the next character
  }
  if (index >= kKeyedGroups) return name;
  const std::wstring digit = std::to_wstring(index + 1);
  return L"&" + digit + L" " + name + (withKey ? L"\tAlt+Shift+" + digit : L"");
}

HMENU GroupList(int firstCommand) {
  HMENU list = CreatePopupMenu();
  for (std::size_t i = 0; i < Groups.size(); ++i) {
    AppendMenuW(list, MF_STRING, firstCommand + i, ItemText(i, false).c_str());
  }
  return list;
}

}  // namespace

void ShowGroupMenu(HWND terminalList, LPARAM position) {
  POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  if (position == -1) {
    RECT list;
    GetWindowRect(terminalList, &list);
    point = {list.left + 8, list.top + 8};
  }
  HMENU menu = CreatePopupMenu();
  const UINT selection = SelectedTerminals.empty() ? MF_GRAYED : MF_ENABLED;
  AppendMenuW(menu, MF_STRING | selection, IDM_GROUP_SAVE, L"選択をグループとして保存(&S)...");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < Groups.size(); ++i) {
    AppendMenuW(menu, MF_STRING, IDM_GROUP_RECALL_FIRST + i, ItemText(i, true).c_str());
  }
  if (Groups.empty()) AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, L"（保存したグループはありません）");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  const UINT groups = Groups.empty() ? MF_GRAYED : MF_ENABLED;
  AppendMenuW(menu, MF_POPUP | groups, reinterpret_cast<UINT_PTR>(GroupList(IDM_GROUP_RENAME_FIRST)),
              L"グループ名の変更(&N)");
  AppendMenuW(menu, MF_POPUP | groups, reinterpret_cast<UINT_PTR>(GroupList(IDM_GROUP_REMOVE_FIRST)),
              L"グループの削除(&D)");
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, FlockhandWindow(), nullptr);
  DestroyMenu(menu);  // and its two lists with it
}
