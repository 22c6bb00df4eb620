// The frames' item of the system menu; see frames_menu.h. It follows Flockhand's own two items,
// which keep their places.
#include "app/frames_menu.h"

#include "frames/frames.h"
#include "resources/resource_ids.h"
#include "settings/frames_setting.h"

namespace {

void ShowCheckMark(HWND window) {
  CheckMenuItem(GetSystemMenu(window, FALSE), IDM_SYS_FRAMES,
                MF_BYCOMMAND | (ShowFrames ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

void AppendFramesMenuItem(HWND window) {
  LoadFramesSetting();
  AppendMenuW(GetSystemMenu(window, FALSE), MF_STRING, IDM_SYS_FRAMES, L"送信先を枠で囲む(&F)");
  ShowCheckMark(window);
  SwitchFrames(ShowFrames);
}

void ToggleFramesMenuItem(HWND window) {
  ShowFrames = !ShowFrames;
  // A failed write goes unreported, as in the options dialog: the switch still holds for this run.
  SaveFramesSetting();
  ShowCheckMark(window);
  SwitchFrames(ShowFrames);
}
