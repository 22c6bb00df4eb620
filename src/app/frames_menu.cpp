// The frames' item of the system menu; see frames_menu.h. It follows Flockhand's own two items,
// which keep their places.
#include "app/frames_menu.h"

#include "app/menu_switch.h"
#include "app/panel_state.h"
#include "base/resource_ids.h"
#include "frames/frames.h"
#include "settings/frames_setting.h"

// Position 10 is right after "バージョン情報(&A)...": the end of Windows' system menu; Wine's
// has two more entries of its own after Close, which stay after Flockhand's items.
void AppendFramesMenuItem(HWND window) {
  Panel.ShowFrames = LoadFramesSetting();
  InsertSwitchItem(window, 10, IDM_SYS_FRAMES, L"送信先を枠で囲む(&F)", Panel.ShowFrames);
  RefreshFrames();
}

void ToggleFramesMenuItem(HWND window) {
  Panel.ShowFrames = !Panel.ShowFrames;
  // A failed write goes unreported, as in the options dialog: the switch still holds for this run.
  SaveFramesSetting(Panel.ShowFrames);
  ShowSwitchMark(window, IDM_SYS_FRAMES, Panel.ShowFrames);
  RefreshFrames();
}
