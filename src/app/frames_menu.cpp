// The frames' item of the system menu; see frames_menu.h. It follows Flockhand's own two items,
// which keep their places.
#include "app/frames_menu.h"

#include "app/panel_state.h"
#include "base/resource_ids.h"
#include "frames/frames.h"
#include "settings/frames_setting.h"

namespace {

void ShowCheckMark(HWND window) {
  CheckMenuItem(GetSystemMenu(window, FALSE), IDM_SYS_FRAMES,
                MF_BYCOMMAND | (Panel.ShowFrames ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

// Position 10 is right after "バージョン情報(&A)...": the end of Windows' system menu; Wine's
// has two more entries of its own after Close, which stay after Flockhand's items.
void AppendFramesMenuItem(HWND window) {
  Panel.ShowFrames = LoadFramesSetting();
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_TYPE | MIIM_ID | MIIM_STATE;
  item.fType = MFT_STRING;
  item.fState = Panel.ShowFrames ? MFS_CHECKED : MFS_UNCHECKED;
  item.wID = IDM_SYS_FRAMES;
  item.dwTypeData = const_cast<wchar_t*>(L"送信先を枠で囲む(&F)");
  InsertMenuItemW(GetSystemMenu(window, FALSE), 10, TRUE, &item);
  RefreshFrames();
}

void ToggleFramesMenuItem(HWND window) {
  Panel.ShowFrames = !Panel.ShowFrames;
  // A failed write goes unreported, as in the options dialog: the switch still holds for this run.
  SaveFramesSetting(Panel.ShowFrames);
  ShowCheckMark(window);
  RefreshFrames();
}
