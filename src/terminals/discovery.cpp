// Enumerates every top-level window, visible or hidden, of any process. Titles are read into
// 1024 units, so longer ones keep their first 1023. The list is sorted once after the
// enumeration: the order is total, so this equals sorting after every window.
#include "terminals/discovery.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "terminals/list_rows.h"
#include "terminals/terminal_contract.h"
#include "terminals/title_order.h"

namespace {

// The class is read first: most windows are not terminals, and their titles need not be read.
std::optional<TerminalEntry> ReadTerminal(HWND window) {
  wchar_t className[1024];
  if (!GetClassNameW(window, className, 1024) || wcscmp(className, kTerminalWindowClass) != 0) {
    return std::nullopt;
  }
  wchar_t title[kTitleCapacity];
  const int titleLength = GetWindowTextW(window, title, kTitleCapacity);
  return MakeTerminalEntry(Utf16View(title, std::max(titleLength, 0)), window);
}

BOOL CALLBACK CollectTerminal(HWND window, LPARAM list) {
  if (std::optional<TerminalEntry> entry = ReadTerminal(window)) {
    reinterpret_cast<TerminalList*>(list)->push_back(std::move(*entry));
  }
  return TRUE;
}

}  // namespace

TerminalList CollectTerminalWindows() {
  TerminalList terminals;
  EnumWindows(CollectTerminal, reinterpret_cast<LPARAM>(&terminals));
  return terminals;
}

void DiscoverTerminals() {
  for (TerminalEntry& entry : CollectTerminalWindows()) {
    if (!entry.title.empty()) AllTerminals.push_back(std::move(entry));
  }
  std::sort(AllTerminals.begin(), AllTerminals.end(), TitleAscending);
  FillListRows(AllTerminals);
}
