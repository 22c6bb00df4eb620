// Enumerates every top-level window, visible or hidden, of any process. Titles are read into
// 1024 units, so longer ones keep their first 1023. The model sorts what is found once: the
// order is total, so this equals sorting after every window.
#include "terminals/discovery.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "terminals/terminal_contract.h"
#include "terminals/terminal_lists.h"

namespace {

BOOL CALLBACK CollectTerminal(HWND window, LPARAM found) {
  std::optional<TerminalEntry> entry = TerminalOf(window);
  if (entry && !entry->title.empty()) {
    reinterpret_cast<TerminalList*>(found)->push_back(std::move(*entry));
  }
  return TRUE;
}

}  // namespace

// A longer class name, cut to fit, cannot equal the terminal's.
bool HasTerminalClass(WindowHandle window) {
  wchar_t className[16];
  return GetClassNameW(window, className, 16) && wcscmp(className, kTerminalWindowClass) == 0;
}

// The class is read first: most windows are not terminals, and their titles need not be read.
std::optional<TerminalEntry> TerminalOf(WindowHandle window) {
  if (!HasTerminalClass(window)) return std::nullopt;
  return TerminalEntry{ReadTitle(window), window};
}

Utf16String ReadTitle(WindowHandle window) {
  wchar_t title[kTitleCapacity];
  return Utf16String(title, std::max(GetWindowTextW(window, title, kTitleCapacity), 0));
}

TerminalList DiscoverTerminals() {
  TerminalList found;
  EnumWindows(CollectTerminal, reinterpret_cast<LPARAM>(&found));
  return found;
}
