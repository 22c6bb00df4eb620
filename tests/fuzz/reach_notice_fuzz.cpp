// Whatever the titles, the notice has one line per reason told, then one per title shown (at most
// five, the rest counted on a line of their own), each title's line at most 60 units and an
// ellipsis after its mark.
#include <algorithm>
#include <array>

#include "fuzz_input.h"
#include "terminals/reach.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  std::vector<Utf16String> titles(input.Number<uint8_t>() % 24);
  for (Utf16String& title : titles) title = input.Text(200);
  std::vector<UnreachedTerminal> terminals;
  std::array<size_t, 5> perReach{};
  for (const Utf16String& title : titles) {
    const auto reach = static_cast<Reach>(input.Number<uint8_t>() % perReach.size());
    terminals.push_back({reach, title});
    ++perReach[static_cast<size_t>(reach)];
  }
  size_t lines = 0;
  for (size_t r = 1; r < perReach.size(); ++r) {  // 0: reachable, never told
    const size_t n = perReach[r];
    if (n) lines += 1 + std::min(n, kTitlesPerReason) + (n > kTitlesPerReason ? 1 : 0);
  }
  const Utf16String text = ReachNoticeText(terminals);
  size_t seen = 0;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find(u'\n', start), text.size());
    const Utf16View line = Utf16View(text).substr(start, end - start);
    FUZZ_CHECK(line.empty() || line[0] != u'・' || line.size() <= 1 + kNoticeTitleUnits + 1);
    ++seen;
    start = end + 1;
  }
  FUZZ_CHECK(seen == lines);
  return 0;
}
