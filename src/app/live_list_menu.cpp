// The live list's item of the system menu; see live_list_menu.h.
#include "app/live_list_menu.h"

#include "app/live_list.h"
#include "app/menu_switch.h"
#include "app/panel_state.h"
#include "base/resource_ids.h"
#include "settings/list_setting.h"

// Position 11 is right after the frames' item.
void AppendLiveListMenuItem(HWND window) {
  Panel.ListFollowsDesktop = LoadListSetting();
  InsertSwitchItem(window, 11, IDM_SYS_LIVE_LIST, L"一覧を自動で更新(&U)",
                   Panel.ListFollowsDesktop);
  SwitchLiveList(Panel.ListFollowsDesktop);
}

void ToggleLiveListMenuItem(HWND window) {
  Panel.ListFollowsDesktop = !Panel.ListFollowsDesktop;
  // A failed write goes unreported, as in the options dialog: the switch still holds for this run.
  SaveListSetting(Panel.ListFollowsDesktop);
  ShowSwitchMark(window, IDM_SYS_LIVE_LIST, Panel.ListFollowsDesktop);
  SwitchLiveList(Panel.ListFollowsDesktop);
}
