// The monitors Windows (here: Wine on a two-screen Xinerama display) reports.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct Monitor {
  std::wstring name;  // the device name, as \\.\DISPLAY1
  RECT rect;          // in virtual-desktop coordinates
  RECT work;          // the work area, likewise
};

// The monitors in EnumDisplayMonitors order.
std::vector<Monitor> Monitors();

}  // namespace e2e
