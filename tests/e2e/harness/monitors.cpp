// Monitors() with EnumDisplayMonitors.
#include "harness/monitors.h"

namespace e2e {

std::vector<RECT> Monitors() {
  std::vector<RECT> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR, HDC, LPRECT rect, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<RECT>*>(param)->push_back(*rect);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace e2e
