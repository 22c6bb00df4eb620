// Making a TerminalEntry from a title of any length; see terminal_entry.h.
#include "terminals/terminal_entry.h"

#include <algorithm>

TerminalEntry MakeTerminalEntry(Utf16View title, WindowHandle window) {
  TerminalEntry entry{};
  const std::size_t length = std::min(title.size(), kTitleCapacity - 1);
  std::copy_n(title.data(), length, entry.title);
  entry.window = window;
  return entry;
}
