// The tools of another process's tooltips, read through memory allocated inside it: the TTM_
// messages carry pointers that are not marshalled between processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct ToolDescription {
  HWND control;
  UINT flags;
  RECT rect;
  std::wstring text;
  int maxWidth;
  HWND tip;  // the tooltip window
};

// Every tool of every tooltip of process pid.
std::vector<ToolDescription> ReadTools(DWORD pid);

}  // namespace e2e
