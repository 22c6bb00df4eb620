// The live list's item of the system menu; see live_list_menu.h.
#include "app/live_list_menu.h"

#include "app/live_list.h"
#include "app/panel_state.h"
#include "base/resource_ids.h"
#include "settings/list_setting.h"

// Position 11 is right after the frames' item.
void AppendLiveListMenuItem(HWND window) {
  Panel.ListFollowsDesktop = LoadListSetting();
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_TYPE | MIIM_ID | MIIM_STATE;
  item.fType = MFT_STRING;
  item.fState = Panel.ListFollowsDesktop ? MFS_CHECKED : MFS_UNCHECKED;
  item.wID = IDM_SYS_LIVE_LIST;
  item.dwTypeData = const_cast<wchar_t*>(L"一覧を自動で更新(&U)");
  InsertMenuItemW(GetSystemMenu(window, FALSE), 11, TRUE, &item);
  SwitchLiveList(Panel.ListFollowsDesktop);
}

void ToggleLiveListMenuItem(HWND window) {
  Panel.ListFollowsDesktop = !Panel.ListFollowsDesktop;
  // A failed write goes unreported, as in the options dialog: the switch still holds for this run.
  SaveListSetting(Panel.ListFollowsDesktop);
  CheckMenuItem(GetSystemMenu(window, FALSE), IDM_SYS_LIVE_LIST,
                MF_BYCOMMAND | (Panel.ListFollowsDesktop ? MF_CHECKED : MF_UNCHECKED));
  SwitchLiveList(Panel.ListFollowsDesktop);
}
