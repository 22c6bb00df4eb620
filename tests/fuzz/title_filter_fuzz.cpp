// The prepared filter is the first 254 units with only A-Z lowered; matching ignores the case
// of A-Z alone, the empty filter matches everything, and a piece of a title matches it.
#include "fuzz_input.h"
#include "terminals/title_filter.h"

namespace {

bool IsAsciiCapital(char16_t unit) { return unit >= u'A' && unit <= u'Z'; }

Utf16String RaiseAscii(Utf16String text) {
  for (auto& unit : text) {
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - 32);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const Utf16String filter = input.Text(400);
  const Utf16String title = input.Text(1100);
  const Utf16String prepared = PrepareFilterText(filter);

  FUZZ_CHECK(prepared.size() == std::min(filter.size(), kFilterTextLimit));
  for (size_t i = 0; i < prepared.size(); ++i) {
    FUZZ_CHECK(!IsAsciiCapital(prepared[i]));
    FUZZ_CHECK(prepared[i] == filter[i] ||
               (IsAsciiCapital(filter[i]) && prepared[i] == filter[i] + 32));
  }
  FUZZ_CHECK(TitleMatchesFilter(title, PrepareFilterText(Utf16String())));
  FUZZ_CHECK(TitleMatchesFilter(title, prepared) ==
             TitleMatchesFilter(RaiseAscii(title), prepared));
  FUZZ_CHECK(TitleMatchesFilter(title, prepared) ==
             TitleMatchesFilter(title, PrepareFilterText(RaiseAscii(prepared))));

  const size_t from = title.empty() ? 0 : input.Number<uint16_t>() % title.size();
  const size_t length = input.Number<uint16_t>() % (title.size() - from + 1);
  FUZZ_CHECK(TitleMatchesFilter(title, PrepareFilterText(RaiseAscii(title.substr(from, length)))));
  return 0;
}
