// ASCII-only case folding and substring matching; see title_filter.h.
#include "terminals/title_filter.h"

namespace {

Utf16String LowerAsciiCapitals(Utf16View text) {
  Utf16String lowered(text);
  for (auto& unit : lowered) {
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<Utf16Unit>(unit + 32);
  }
  return lowered;
}

}  // namespace

Utf16String PrepareFilterText(Utf16View text) {
  return LowerAsciiCapitals(text.substr(0, kFilterTextLimit));
}

bool TitleMatchesFilter(Utf16View title, const Utf16String& preparedFilter) {
  return LowerAsciiCapitals(title).find(preparedFilter) != Utf16String::npos;
}
