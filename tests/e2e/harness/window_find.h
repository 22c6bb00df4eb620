// Finding top-level windows and child controls, and reading their properties.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "harness/wait.h"

namespace e2e {

std::wstring ClassName(HWND window);
// The text by WM_GETTEXT (what an edit control holds, also in another process); empty when the
// window does not answer within a second.
std::wstring WindowText(HWND window);

// Top-level windows of process pid (0: any process) with class className, in z-order.
std::vector<HWND> TopLevelWindows(DWORD pid, std::wstring_view className);
// The first visible such window, waiting for it up to timeout; nullptr if none came.
HWND FindTopLevelWindow(DWORD pid, std::wstring_view className, Millis timeout);

struct ChildInfo {
  HWND hwnd = nullptr;
  std::wstring className;
  int id = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::wstring text;
  RECT rect{};  // in the parent's client coordinates
};

// The direct children of parent, in z-order (top first).
std::vector<ChildInfo> Children(HWND parent);
// The first direct child with that class and text; nullptr if none.
HWND FindChild(HWND parent, std::wstring_view className, std::wstring_view text);
// The first direct child with that control id; nullptr if none.
HWND FindChildById(HWND parent, int id);

// A layered window's alpha (0 when its attributes were never set).
BYTE WindowAlpha(HWND window);

RECT WindowRect(HWND window);          // screen coordinates
RECT ClientRect(HWND window);          // client coordinates (left = top = 0)
RECT ClientRectOnScreen(HWND window);  // the client area in screen coordinates
POINT Center(const RECT& rect);

}  // namespace e2e
