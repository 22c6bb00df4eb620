// One tooltip window per control, with TTF_SUBCLASS so the tip watches the control's mouse
// messages itself. The records are kept in creation order, which is also the order in which
// their rectangles are refreshed.
#include "app/control_tips.h"

#include "app/main_window.h"
#include "panel.h"

#include <commctrl.h>

#include <vector>

namespace {

struct ControlTip {
  HWND tooltip;
  TTTOOLINFOW tool;
  int maxWidth;
};

std::vector<ControlTip> ControlTips;

}  // namespace

void AddControlTip(HWND control, const wchar_t* text, int maxWidth) {
  ControlTip tip{};
  // The version-2 record size (44 bytes on 32-bit Windows): no reserved or v6 fields.
  tip.tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tip.tool.uFlags = TTF_SUBCLASS;
  tip.tool.hwnd = control;
  tip.tool.uId = 0;
  tip.tool.lpszText = const_cast<wchar_t*>(text);
  tip.maxWidth = maxWidth;
  ControlTips.push_back(tip);
}

void CreateControlTips() {
  for (ControlTip& tip : ControlTips) {
    HWND control = tip.tool.hwnd;
    tip.tooltip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr, ModuleHandle, nullptr);
    GetClientRect(control, &tip.tool.rect);
    SendMessageW(tip.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tip.tool));
    // A maximum width makes the tip break its lines at the line feeds of the text.
    SendMessageW(tip.tooltip, TTM_SETMAXTIPWIDTH, 0, tip.maxWidth);
  }
}

// Before CreateControlTips the records get their rectangles when their tooltips are made.
void RefreshControlTipRects() {
  for (ControlTip& tip : ControlTips) {
    if (!tip.tooltip) continue;
    GetClientRect(tip.tool.hwnd, &tip.tool.rect);
    SendMessageW(tip.tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tip.tool));
  }
}
