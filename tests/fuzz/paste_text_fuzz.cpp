// A clipboard block of any size and content: the text found in it stops at its first zero unit
// or its last whole unit, never beyond the block (the copy below is exactly as long as the
// block, so AddressSanitizer sees any read past it); the dialog's text is a prefix that never
// ends in half a surrogate pair.
#include <memory>

#include "broadcast/paste_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Large blocks without a zero are built from a short input by repeating it.
  const size_t repeat = size > 0 && data[0] == 0xFF ? 8 : 1;
  const size_t bytes = size * repeat;
  const std::unique_ptr<uint8_t[]> block(new uint8_t[bytes]);
  for (size_t i = 0; i < bytes; ++i) block[i] = data[i % size];
  const auto* units = reinterpret_cast<const Utf16Unit*>(block.get());

  const size_t length = ClipboardTextLength(units, bytes);
  FUZZ_CHECK(length <= bytes / 2);
  for (size_t i = 0; i < length; ++i) FUZZ_CHECK(units[i] != 0);
  FUZZ_CHECK(length == bytes / 2 || units[length] == 0);

  const Utf16String text(units, length);
  FUZZ_CHECK(text.c_str()[length] == 0);
  const Utf16View shown = ShownPasteText(text);
  FUZZ_CHECK(Utf16View(text).substr(0, shown.size()) == shown);
  if (length <= kShownPasteTextLimit) {
    FUZZ_CHECK(shown.size() == length);
  } else {
    FUZZ_CHECK(shown.size() >= kShownPasteTextLimit - 1 && shown.size() <= kShownPasteTextLimit);
    const Utf16Unit last = shown.back();
    FUZZ_CHECK(last < 0xD800 || last > 0xDBFF);
  }

  const auto path = ChoosePastePath(text, size % 2, size % 3 == 0);
  FUZZ_CHECK((path == PastePath::Nothing) == text.empty());
  FUZZ_CHECK((path == PastePath::OneByOne) ==
             (!text.empty() && text.find(u'\n') == Utf16View::npos));
  return 0;
}
