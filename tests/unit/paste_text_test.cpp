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

TEST(PasteText, UnansweredNoticeNamesThreeAndCountsAll) {
  const Utf16String start = u"応答がなく、貼り付けたか分からないウィンドウがあります（";
  const struct {
    std::vector<Utf16String> titles;
    Utf16String notice;
  } cases[] = {
      {{u"a"}, start + u"1 個）：「a」"},
      {{u"a", u"b", u"c"}, start + u"3 個）：「a」、「b」、「c」"},
      {std::vector<Utf16String>(12, u"x"), start + u"12 個）：「x」、「x」、「x」 ほか"},
  };
  for (const auto& c : cases) EXPECT_EQ(UnansweredPasteNotice(c.titles), c.notice);
}

}  // namespace
