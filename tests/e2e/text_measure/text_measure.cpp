// text_measure.dll: a WH_CALLWNDPROC hook. On the message of text_measure.h it measures the
// block's text as DrawText lays it out (the widest line counts) in the font of the window the
// message is for, on that window's thread, where the font handle is good.
#include "text_measure/text_measure.h"

#include <commctrl.h>

namespace {

void Measure(HWND window, TextMeasureBlock& block) {
  if (!block.text[0] && !GetWindowTextW(window, block.text, 1024)) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = block.text;
    SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  HDC dc = GetDC(window);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  RECT r{};
  DrawTextW(dc, block.text, -1, &r, DT_CALCRECT | DT_NOPREFIX);
  block.size = {r.right, r.bottom};
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MeasureTextHook(int code, WPARAM w, LPARAM l) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(l);
  if (code == HC_ACTION && call->message == RegisterWindowMessageW(kTextMeasureName)) {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kTextMeasureName);
    if (void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0)) {
      Measure(call->hwnd, *static_cast<TextMeasureBlock*>(view));
      UnmapViewOfFile(view);
    }
    if (mapping) CloseHandle(mapping);
  }
  return CallNextHookEx(nullptr, code, w, l);
}
