// The clipboard block's text and the choice of the paste path.
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

TEST(PasteText, PathsByLineFeedAndSettings) {
  const struct {
    Utf16View text;
    bool pasteConfirm, forcePaste;
    PastePath path;
  } cases[] = {
      {UTF16(""), true, true, PastePath::Nothing},
      {UTF16("abc"), true, true, PastePath::OneByOne},
      {UTF16("a\rb"), false, false, PastePath::OneByOne},
      {UTF16("\n"), true, false, PastePath::Confirm},
      {UTF16("a\r\nb"), true, true, PastePath::Confirm},
      {UTF16("a\nb"), false, false, PastePath::AllAtOnce},
      {UTF16("a\nb"), false, true, PastePath::WithClicks},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChoosePastePath(c.text, c.pasteConfirm, c.forcePaste), c.path)
        << c.pasteConfirm << c.forcePaste << " " << c.text.size();
  }
}

}  // namespace
