// See menu_switch.h.
#include "app/menu_switch.h"

void InsertSwitchItem(HWND window, UINT position, UINT id, const wchar_t* text, bool checked) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_TYPE | MIIM_ID | MIIM_STATE;
  item.fType = MFT_STRING;
  item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
  item.wID = id;
  item.dwTypeData = const_cast<wchar_t*>(text);
  InsertMenuItemW(GetSystemMenu(window, FALSE), position, TRUE, &item);
}

void ShowSwitchMark(HWND window, UINT id, bool checked) {
  CheckMenuItem(GetSystemMenu(window, FALSE), id,
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
