// text_measure.dll: the hook procedure of the harness's TextExtent, run on the thread of the
// window it is asked about, in that window's process.
#include <windows.h>

#include "harness/text_extent.h"

namespace {

void Measure(HWND window) {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, e2e::kTextExtentBlock);
  if (!mapping) return;
  auto* block = static_cast<e2e::TextExtentBlock*>(
      MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(e2e::TextExtentBlock)));
  if (block) {
    HDC dc = GetDC(window);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    RECT r{};
    DrawTextW(dc, block->text, -1, &r, DT_CALCRECT | DT_NOPREFIX);
    block->size = {r.right - r.left, r.bottom - r.top};
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    UnmapViewOfFile(block);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MeasureTextHook(int code, WPARAM wParam,
                                                                  LPARAM lParam) {
  static const UINT message = RegisterWindowMessageW(e2e::kMeasureTextMessage);
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == message) Measure(call->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
