// The two title orders: unsigned UTF-16 code-unit comparison, ties broken by handle value.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "terminals/terminal_lists.h"
#include "terminals/title_order.h"

namespace {

WindowHandle Handle(std::uintptr_t value) { return reinterpret_cast<WindowHandle>(value); }

std::vector<std::uintptr_t> SortedHandles(std::vector<TerminalEntry> entries,
                                          bool (*order)(const TerminalEntry&,
                                                        const TerminalEntry&)) {
  std::sort(entries.begin(), entries.end(), order);
  std::vector<std::uintptr_t> handles;
  for (const auto& entry : entries) handles.push_back(HandleValue(entry.window));
  return handles;
}

TEST(TitleOrder, ComparesCodeUnitsWithoutFolding) {
  // Each title goes strictly before the next one.
  const Utf16Unit* ascending[] = {
      u"",               // empty
      u"ABC",            // capitals before small letters
      u"Zebra",          //
      u"abc",            //
      u"abc def",        // a proper prefix goes first
      u"abcd",           // ' ' (0x20) before 'd'
      u"\u00e9t\u00e9",  // accented Latin after ASCII
      u"\U0001F600",     // surrogate pair D83D DE00: before U+FF21 by code unit
      u"\uff21",         // full-width A
      u"\uff41",         // full-width a
  };
  for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
    const auto a = MakeTerminalEntry(ascending[i], Handle(100));
    const auto b = MakeTerminalEntry(ascending[i + 1], Handle(1));
    EXPECT_TRUE(TitleAscending(a, b)) << "entry " << i << " should go before entry " << i + 1;
    EXPECT_FALSE(TitleAscending(b, a)) << "entry " << i + 1 << " must not go before " << i;
    EXPECT_TRUE(TitleDescending(b, a)) << "descending mirrors entry " << i;
    EXPECT_FALSE(TitleDescending(a, b));
  }
}

TEST(TitleOrder, EqualTitlesOrderedByHandleValue) {
  const std::vector<TerminalEntry> entries = {
      MakeTerminalEntry(u"host", Handle(0x30)), MakeTerminalEntry(u"host", Handle(0x10)),
      MakeTerminalEntry(u"alpha", Handle(0x99)), MakeTerminalEntry(u"host", Handle(0x20))};
  EXPECT_EQ(SortedHandles(entries, TitleAscending),
            (std::vector<std::uintptr_t>{0x99, 0x10, 0x20, 0x30}));
  EXPECT_EQ(SortedHandles(entries, TitleDescending),
            (std::vector<std::uintptr_t>{0x30, 0x20, 0x10, 0x99}));
}

TEST(TitleOrder, HandleValuesCompareUnsigned) {
  const auto high = MakeTerminalEntry(u"same", Handle(~std::uintptr_t{0}));
  const auto low = MakeTerminalEntry(u"same", Handle(1));
  EXPECT_TRUE(TitleAscending(low, high));
  EXPECT_FALSE(TitleAscending(high, low));
  EXPECT_FALSE(TitleAscending(low, low)) << "the order must be strict";
}

TEST(TerminalEntry, LongTitleKeepsFirst1023Units) {
  Utf16String title(1500, u'x');
  title[1022] = u'L';  // last kept unit
  title[1023] = u'C';  // first cut unit
  const auto entry = MakeTerminalEntry(title, Handle(1));
  EXPECT_EQ(TitleOf(entry).size(), 1023u);
  EXPECT_EQ(TitleOf(entry).back(), u'L');
  EXPECT_EQ(TitleOf(MakeTerminalEntry(Utf16View(u"ab\0cd", 5), Handle(1))), u"ab")
      << "the title ends at its first zero unit";
}

}  // namespace
