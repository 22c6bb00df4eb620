// Display list: rebuilt at creation, on WM_DISPLAYCHANGE and when the work area changes.
// Each display is also written to the debug output.
#include "operations/displays.h"

#include <cwchar>

#include "base/debug_lines.h"
#include "base/debug_print.h"
#include "operations/window_ops_group.h"

// The displays as last listed, in the display box's order.
std::vector<MonitorEntry> MonitorList;

namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof(info);
  // A display whose information cannot be read is listed with an empty name and area
  // rather than dropped, so the rows still match the system's count.
  GetMonitorInfoW(monitor, &info);
  MonitorEntry entry{};
  wcsncpy(entry.deviceName, info.szDevice, std::size(entry.deviceName) - 1);
  entry.workArea = info.rcWork;
  DebugPrint(kDisplayLine, entry.deviceName, static_cast<int>(entry.workArea.left),
             static_cast<int>(entry.workArea.top), static_cast<int>(entry.workArea.right),
             static_cast<int>(entry.workArea.bottom));
  MonitorList.push_back(entry);
  return TRUE;
}

}  // namespace

void RefreshDisplays() {
  MonitorList.clear();
  DebugPrint(kDisplayCountLine, GetSystemMetrics(SM_CMONITORS));
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, 0);
  HWND combo = WindowOps().DisplayCombo;
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const MonitorEntry& entry : MonitorList) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.deviceName));
  }
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}
