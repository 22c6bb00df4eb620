// Formats the selection counter: a full-width colon, two spaces, then the count in decimal,
// left-aligned in at least three columns (padded with spaces on the right).
#include "app/selection_counter.h"

Utf16String FormatSelectionCount(std::size_t count) {
  Utf16String digits;
  do {
    digits.insert(digits.begin(), static_cast<Utf16Unit>(u'0' + count % 10));
    count /= 10;
  } while (count != 0);
  if (digits.size() < 3) digits.append(3 - digits.size(), u' ');
  return UTF16("選択ウィンドウ数：  ") + digits;
}
