// See tooltip.h. The records are of the version-2 size (44 bytes on 32-bit Windows): no
// reserved or v6 fields.
#include "base/tooltip.h"

#include <commctrl.h>

#include "base/dpi_scale.h"
#include "base/window_dpi.h"

namespace {

TTTOOLINFOW ToolOf(HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = control;
  GetClientRect(control, &tool.rect);
  return tool;
}

}  // namespace

HWND CreateControlTip(HWND owner, HWND control, const wchar_t* text, int maxWidth) {
  HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool = ToolOf(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SetControlTipWidth(tip, control, maxWidth);
  return tip;
}

void SetControlTipWidth(HWND tip, HWND control, int maxWidth) {
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(maxWidth, WindowDpi(control)));
}

void RefreshControlTip(HWND tip, HWND control) {
  TTTOOLINFOW tool = ToolOf(control);
  SendMessageW(tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}
