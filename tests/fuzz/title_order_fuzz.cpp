// The title orders are strict weak orders whose only ties are entries equal in title and
// handle, and descending is ascending turned round. Titles are cut as discovery cuts them.
#include "fuzz_input.h"
#include "terminals/title_order.h"

namespace {

TerminalEntry Entry(FuzzInput& input) {
  const Utf16String title = input.Text(1100);
  // Few distinct handles, so that equal titles with equal handles occur.
  const auto handle =
      reinterpret_cast<WindowHandle>(static_cast<uintptr_t>(input.Number<uint8_t>() % 4));
  const TerminalEntry entry = MakeTerminalEntry(title, handle);
  FUZZ_CHECK(TitleOf(entry).size() <= kTitleCapacity - 1);
  FUZZ_CHECK(TitleOf(entry).find(u'\0') == Utf16View::npos);
  FUZZ_CHECK(title.compare(0, TitleOf(entry).size(), TitleOf(entry)) == 0);
  return entry;
}

bool Same(const TerminalEntry& a, const TerminalEntry& b) {
  return TitleOf(a) == TitleOf(b) && a.window == b.window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const TerminalEntry e[3] = {Entry(input), Entry(input), Entry(input)};
  for (const auto& a : e) {
    FUZZ_CHECK(!TitleAscending(a, a));
    for (const auto& b : e) {
      FUZZ_CHECK(TitleDescending(a, b) == TitleAscending(b, a));
      if (TitleAscending(a, b)) FUZZ_CHECK(!TitleAscending(b, a));
      if (!TitleAscending(a, b) && !TitleAscending(b, a)) FUZZ_CHECK(Same(a, b));
      for (const auto& c : e) {
        if (TitleAscending(a, b) && TitleAscending(b, c)) FUZZ_CHECK(TitleAscending(a, c));
      }
    }
  }
  return 0;
}
