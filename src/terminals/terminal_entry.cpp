// Making a TerminalEntry from a title of any length; see terminal_entry.h.
#include "terminals/terminal_entry.h"

#include <algorithm>

TerminalEntry MakeTerminalEntry(Utf16View title, WindowHandle window) {
  const Utf16View kept = title.substr(0, std::min(title.find(Utf16Unit{0}), kTitleCapacity - 1));
  return {Utf16String(kept), window};
}
