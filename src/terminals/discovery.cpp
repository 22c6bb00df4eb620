// Enumerates every top-level window, visible or hidden, of any process. Titles are read into
// 1024 units, so longer ones keep their first 1023. The list is sorted once after the
// enumeration: the order is total, so this equals sorting after every window.
#include "terminals/discovery.h"

#include <windows.h>

#include <algorithm>

#include "terminals/terminal_contract.h"
#include "terminals/terminal_lists.h"
#include "terminals/title_order.h"

namespace {

BOOL CALLBACK CollectTerminal(HWND window, LPARAM) {
  wchar_t title[kTitleCapacity];
  wchar_t className[1024];
  const int titleLength = GetWindowTextW(window, title, kTitleCapacity);
  GetClassNameW(window, className, 1024);
  if (titleLength > 0 && wcscmp(className, kTerminalWindowClass) == 0) {
    AllTerminals.push_back(MakeTerminalEntry(Utf16View(title, titleLength), window));
  }
  return TRUE;
}

}  // namespace

void DiscoverTerminals() {
  EnumWindows(CollectTerminal, 0);
  std::sort(AllTerminals.begin(), AllTerminals.end(), TitleAscending);
}
