// The displays behind DisplayCombo: row i of the combo box is entry i of MonitorList, in the
// system's enumeration order.
#pragma once

#include <windows.h>

#include <vector>

struct MonitorEntry {
  wchar_t deviceName[1024];
  RECT workArea;  // virtual-screen coordinates, less the task bar and other docked bars
};

extern std::vector<MonitorEntry> MonitorList;

// Rebuilds MonitorList and DisplayCombo and selects the first display again.
void RefreshDisplays();
