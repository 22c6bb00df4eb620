// The tips are recorded while the panel is built and made later, in creation order, which is
// also the order in which their rectangles are refreshed.
#include "app/control_tips.h"

#include "app/panel_state.h"
#include "base/tooltip.h"

void AddControlTip(HWND control, const wchar_t* text, int maxWidth) {
  Panel.Tips.push_back({control, text, maxWidth, nullptr});
}

void CreateControlTips() {
  for (ControlTip& tip : Panel.Tips) {
    tip.tooltip = CreateControlTip(tip.control, tip.control, tip.text, tip.maxWidth);
  }
}

// Before CreateControlTips the tips get their rectangles when they are made.
void RefreshControlTipRects() {
  for (const ControlTip& tip : Panel.Tips) {
    if (tip.tooltip) RefreshControlTip(tip.tooltip, tip.control);
  }
}

void RescaleControlTips() {
  for (const ControlTip& tip : Panel.Tips) {
    if (tip.tooltip) SetControlTipWidth(tip.tooltip, tip.control, tip.maxWidth);
  }
}
