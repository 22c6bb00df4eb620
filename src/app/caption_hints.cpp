// Rewrites the hinted captions for the new hint state, then flips the mode; names the menu-bar
// button's next press after each switch.
#include "app/caption_hints.h"

#include "app/button_captions.h"
#include "app/panel_state.h"
#include "operations/menu_bar.h"

#include <windows.h>

#include <utility>

void ToggleCaptionHints() {
  const bool hints = !Panel.CaptionHints;
  const std::pair<HWND, CaptionButton> buttons[] = {
      {Panel.ReverseOrderButton, CaptionButton::ReverseOrder},
      {Panel.InvertSelectionButton, CaptionButton::InvertSelection},
      {Panel.FlashButton, CaptionButton::Flash},
      {Panel.RefreshButton, CaptionButton::Refresh},
      {Panel.MenuBarButton, CaptionButton::MenuBar},
      {Panel.ArrangeButton, CaptionButton::Arrange},
      {Panel.HideOthersButton, CaptionButton::HideOthers},
  };
  for (const auto& [button, caption] : buttons) {
    SetWindowTextW(button, ButtonCaption(caption, hints, Panel.MenuBarHidden));
  }
  Panel.CaptionHints = hints;
}

// The direction flips even where a terminal was not served (hung, closed, cancelled): it is
// the direction of the last switch, not the state of any one terminal.
void ToggleMenuBars() {
  SwitchMenuBars(!Panel.MenuBarHidden);
  Panel.MenuBarHidden = !Panel.MenuBarHidden;
  SetWindowTextW(Panel.MenuBarButton,
                 ButtonCaption(CaptionButton::MenuBar, Panel.CaptionHints, Panel.MenuBarHidden));
}
