// Title orders over TerminalEntry; see title_order.h.
#include "terminals/title_order.h"

namespace {

// <0, 0 or >0 like a three-way compare, each unit taken as an unsigned 16-bit number.
// A proper prefix goes first, as its terminator 0 is smaller than any unit.
int CompareTitles(const TerminalEntry& a, const TerminalEntry& b) {
  for (std::size_t i = 0; i < kTitleCapacity; ++i) {
    const auto ua = static_cast<std::uint16_t>(a.title[i]);
    const auto ub = static_cast<std::uint16_t>(b.title[i]);
    if (ua != ub) return ua < ub ? -1 : 1;
    if (ua == 0) return 0;
  }
  return 0;
}

}  // namespace

bool TitleAscending(const TerminalEntry& a, const TerminalEntry& b) {
  const int order = CompareTitles(a, b);
  if (order != 0) return order < 0;
  return HandleValue(a.window) < HandleValue(b.window);
}

bool TitleDescending(const TerminalEntry& a, const TerminalEntry& b) {
  return TitleAscending(b, a);
}
