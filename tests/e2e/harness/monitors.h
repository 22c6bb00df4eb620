// The monitors Windows (here: Wine on a two-screen Xinerama display) reports.
#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

// Monitor rectangles in virtual-desktop coordinates, in EnumDisplayMonitors order.
std::vector<RECT> Monitors();

}  // namespace e2e
