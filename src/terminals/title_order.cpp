// Title orders over TerminalEntry; see title_order.h.
#include "terminals/title_order.h"

#include <algorithm>

namespace {

// <0, 0 or >0 like a three-way compare, each unit taken as an unsigned 16-bit number.
// A proper prefix goes first, as a zero terminator after it would be smaller than any unit.
int CompareTitles(Utf16View a, Utf16View b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto ua = static_cast<std::uint16_t>(a[i]);
    const auto ub = static_cast<std::uint16_t>(b[i]);
    if (ua != ub) return ua < ub ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

bool TitleAscending(const TerminalEntry& a, const TerminalEntry& b) {
  const int order = CompareTitles(TitleOf(a), TitleOf(b));
  if (order != 0) return order < 0;
  return HandleValue(a.window) < HandleValue(b.window);
}

bool TitleDescending(const TerminalEntry& a, const TerminalEntry& b) {
  return TitleAscending(b, a);
}
