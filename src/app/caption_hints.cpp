// Rewrites the hinted captions for the new hint state, then flips the flag; names the menu-bar
// button's next press after each switch.
#include "app/caption_hints.h"

#include "app/button_captions.h"
#include "operations/menu_bar.h"
#include "panel.h"

#include <windows.h>

#include <utility>

namespace {

bool CaptionHints = false;

}  // namespace

void ToggleCaptionHints() {
  const bool hints = !CaptionHints;
  const std::pair<HWND, CaptionButton> buttons[] = {
      {ReverseOrderButton, CaptionButton::ReverseOrder},
      {InvertSelectionButton, CaptionButton::InvertSelection},
      {FlashButton, CaptionButton::Flash},
      {RefreshButton, CaptionButton::Refresh},
      {MenuBarButton, CaptionButton::MenuBar},
      {ArrangeButton, CaptionButton::Arrange},
      {HideOthersButton, CaptionButton::HideOthers},
  };
  for (const auto& [button, caption] : buttons) {
    SetWindowTextW(button, ButtonCaption(caption, hints, MenuBarHidden));
  }
  CaptionHints = hints;
}

void SwitchMenuBars() {
  ToggleMenuBar();
  SetWindowTextW(MenuBarButton, ButtonCaption(CaptionButton::MenuBar, CaptionHints, MenuBarHidden));
}
