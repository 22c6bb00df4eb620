// See transparency_switch.h. The fades and the alpha are the settings'; the mode is the panel's.
#include "app/transparency_switch.h"

#include "app/panel_state.h"
#include "runtime/operation.h"
#include "settings/options_dialog.h"
#include "settings/transparency.h"

void ToggleTransparency() {
  if (Panel.IsTransparent) {
    FadeIn(Panel.MainWindow);
  } else {
    FadeOut(Panel.MainWindow);
  }
  Panel.IsTransparent = !Panel.IsTransparent;
}

void ForceOpaque() {
  MakeOpaque(Panel.MainWindow);
  Panel.IsTransparent = false;
}

// Nothing else starts while the dialog is open.
void OpenOptions() {
  const PacedOperation operation;
  OptionsDialog(Panel.MainWindow);
  Panel.IsTransparent = false;
}
