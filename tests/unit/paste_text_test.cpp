// How much of a clipboard block is text, and how much of it the confirmation dialog shows.
#include <gtest/gtest.h>

#include "broadcast/paste_text.h"

namespace {

TEST(PasteText, TextEndsAtItsZeroOrAtTheBlocksLastWholeUnit) {
  const Utf16Unit block[] = {u'a', u'b', 0, u'c', u'd'};
  EXPECT_EQ(ClipboardTextLength(block, sizeof block), 2u);
  EXPECT_EQ(ClipboardTextLength(block + 3, 4), 2u) << "no zero: the whole block";
  EXPECT_EQ(ClipboardTextLength(block + 3, 3), 1u) << "an odd last byte is no unit";
  EXPECT_EQ(ClipboardTextLength(block, 1), 0u);
  EXPECT_EQ(ClipboardTextLength(block + 2, 10), 0u);
}

TEST(PasteText, DialogShowsAtMost10000UnitsWithoutSplittingAPair) {
  const Utf16String whole(10000, u'x');
  EXPECT_EQ(ShownPasteText(whole).size(), 10000u);
  EXPECT_EQ(ShownPasteText(whole + u"yz"), whole);
  const Utf16String pair = Utf16String(9999, u'x') + u"\U0001F600";  // a pair at 9999-10000
  EXPECT_EQ(ShownPasteText(pair).size(), 9999u);
}

}  // namespace
