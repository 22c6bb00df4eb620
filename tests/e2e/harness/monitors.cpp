// Monitors() with EnumDisplayMonitors.
#include "harness/monitors.h"

namespace e2e {

std::vector<Monitor> Monitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM param) -> BOOL {
        MONITORINFOEXW info{};
        info.cbSize = sizeof(info);
        GetMonitorInfoW(monitor, &info);
        reinterpret_cast<std::vector<Monitor>*>(param)->push_back(
            {info.szDevice, info.rcMonitor, info.rcWork});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace e2e
