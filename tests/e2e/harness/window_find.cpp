// Window enumeration with EnumWindows / GetWindow, and text read with SendMessageTimeoutW so
// that a hung window cannot block the tests.
#include "harness/window_find.h"

namespace e2e {

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 1000, &copied)) {
    return {};
  }
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return text;
}

std::vector<HWND> TopLevelWindows(DWORD pid, std::wstring_view className) {
  struct Query {
    DWORD pid;
    std::wstring_view className;
    std::vector<HWND> found;
  } query{pid, className, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& q = *reinterpret_cast<Query*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((q.pid == 0 || owner == q.pid) && ClassName(window) == q.className) {
          q.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND FindTopLevelWindow(DWORD pid, std::wstring_view className, Millis timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(pid, className)) {
          if (IsWindowVisible(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

std::vector<ChildInfo> Children(HWND parent) {
  std::vector<ChildInfo> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ChildInfo info;
    info.hwnd = child;
    info.className = ClassName(child);
    info.id = GetDlgCtrlID(child);
    info.style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    info.exStyle = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_EXSTYLE));
    info.text = WindowText(child);
    GetWindowRect(child, &info.rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&info.rect), 2);
    children.push_back(std::move(info));
  }
  return children;
}

HWND FindChild(HWND parent, std::wstring_view className, std::wstring_view text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == className && WindowText(child) == text) return child;
  }
  return nullptr;
}

HWND FindChildById(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

BYTE WindowAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) return 0;
  return alpha;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRect(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return rect;
}

RECT ClientRectOnScreen(HWND window) {
  RECT rect = ClientRect(window);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT Center(const RECT& rect) {
  return {rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

}  // namespace e2e
