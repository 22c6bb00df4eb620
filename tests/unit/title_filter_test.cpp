// Filter matching: only ASCII capitals fold; everything else must match unit for unit.
#include <gtest/gtest.h>

#include "terminals/title_filter.h"

namespace {

bool Matches(Utf16View title, Utf16View filter) {
  return TitleMatchesFilter(title, PrepareFilterText(filter));
}

TEST(TitleFilter, AsciiLettersMatchInEitherCase) {
  EXPECT_TRUE(Matches(u"WEB-Server01", u"server"));
  EXPECT_TRUE(Matches(u"web-server01", u"SERVER"));
  EXPECT_TRUE(Matches(u"Web-SeRvEr01", u"sErVeR"));
  EXPECT_FALSE(Matches(u"web-server01", u"serverx"));
}

TEST(TitleFilter, OtherScriptsAreNotFolded) {
  EXPECT_TRUE(Matches(u"\u00c9COLE", u"\u00c9cole")) << "ASCII part folds, \u00c9 matches itself";
  EXPECT_FALSE(Matches(u"\u00e9cole", u"\u00c9cole")) << "\u00c9 and \u00e9 are different units";
  EXPECT_FALSE(Matches(u"\uff53\uff45\uff52\uff56", u"\uff33\uff25\uff32\uff36"))
      << "full-width capitals must not fold";
  EXPECT_TRUE(Matches(u"\uff33\uff25\uff32\uff36", u"\uff33\uff25"));
  EXPECT_FALSE(Matches(u"\u03b1\u03b2", u"\u0391\u0392")) << "Greek is not folded";
  EXPECT_FALSE(Matches(u"\u0434\u0431", u"\u0414\u0411")) << "Cyrillic is not folded";
  EXPECT_TRUE(Matches(u"サーバー01", u"サーバー"));
}

TEST(TitleFilter, FoldingStopsAtAsciiBoundaries) {
  // '@' (0x40) and '[' (0x5B) border the capitals and must stay as they are.
  EXPECT_FALSE(Matches(u"`", u"@"));
  EXPECT_FALSE(Matches(u"{", u"["));
  EXPECT_TRUE(Matches(u"a@b", u"A@B"));
}

TEST(TitleFilter, SpacesTakePartAsTheyAre) {
  EXPECT_TRUE(Matches(u"db 01", u"b 0"));
  EXPECT_FALSE(Matches(u"db01", u"b 0"));
  EXPECT_FALSE(Matches(u"db01", u"db01 ")) << "trailing space is not trimmed";
}

TEST(TitleFilter, OnlyFirst254UnitsOfTheFilterCount) {
  Utf16String title(254, u'a');
  Utf16String filter(254, u'A');
  EXPECT_TRUE(Matches(title, filter));
  filter += u"zzz";  // beyond the limit: ignored
  EXPECT_TRUE(Matches(title, filter));
  Utf16String shortTitle(253, u'a');
  EXPECT_FALSE(Matches(shortTitle, filter)) << "all 254 units must still match";
  EXPECT_EQ(PrepareFilterText(filter).size(), kFilterTextLimit);
}

}  // namespace
