// The list that follows the desktop: what a new look does to the lists and the rows (where a row
// goes is fuzzed against its definition).
#include <gtest/gtest.h>

#include <sstream>

#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"

namespace {

// "a1 b2 3": title letters then the handle; "3" is a window without a title.
TerminalList List(const std::string& text) {
  TerminalList list;
  std::istringstream words(text);
  for (std::string w; words >> w;) {
    const std::size_t digits = w.find_first_of("0123456789");
    list.push_back({Utf16String(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(digits)),
                    reinterpret_cast<WindowHandle>(std::stoul(w.substr(digits)))});
  }
  return list;
}

// The same form for a list; "-row", "+row text" and "=row text" for edits.
std::string Text(const TerminalList& list) {
  std::string text;
  for (const TerminalEntry& e : list) {
    text +=
        " " + std::string(e.title.begin(), e.title.end()) + std::to_string(HandleValue(e.window));
  }
  return text.substr(!text.empty());
}
std::string Text(const std::vector<RowEdit>& edits) {
  std::string text;
  for (const RowEdit& e : edits) {
    text += std::string(" ") + "+-="[static_cast<int>(e.kind)] + std::to_string(e.row) +
            std::string(e.text.begin(), e.text.end());
  }
  return text.substr(!text.empty());
}

TEST(TerminalMerge, ClosedGoRenamedStayNewcomersTakeTheirPlace) {
  const struct {
    const char *what, *all, *selected, *now;
    const char16_t* filter;
    bool descending;
    const char *edits, *allAfter, *shownAfter, *selectedAfter;
  } cases[] = {
      {"closed", "a1 b2 c3", "c3 b2", "a1 c3", u"", false, "-1", "a1 c3", "a1 c3", "c3"},
      {"renamed, in place", "a1 b2 c3", "b2 a1", "a1 z2 c3", u"", false, "=1z", "a1 z2 c3",
       "a1 z2 c3", "z2 a1"},
      {"newcomers", "a1 c3", "c3", "d4 a1 b2 c3", u"", false, "+2d +1b", "a1 b2 c3 d4",
       "a1 b2 c3 d4", "c3"},
      {"descending", "c3 a1", "", "a1 b2 c3", u"", true, "+1b", "c3 b2 a1", "c3 b2 a1", ""},
      {"equal titles", "a1 a5", "", "a5 a3 a1", u"", false, "+1a", "a1 a3 a5", "a1 a3 a5", ""},
      {"filter b", "a1 b2 bb3", "bb3", "x1 q2 bb3 c5 AB4", u"b", false, "=0q +0AB",
       "AB4 c5 x1 q2 bb3", "AB4 q2 bb3", "bb3"},
      {"untitled", "a1 b2", "b2", "2 a1 3", u"", false, "", "a1 b2", "a1 b2", "b2"},
  };
  for (const auto& c : cases) {
    TerminalList all = List(c.all), selected = List(c.selected), filtered;
    const ListView view{*c.filter != 0, PrepareFilterText(c.filter), c.descending};
    for (const TerminalEntry& e : all) {
      if (view.filtered && TitleMatchesFilter(e.title, view.preparedFilter)) filtered.push_back(e);
    }
    EXPECT_EQ(Text(MergeTerminals(all, filtered, selected, view, List(c.now))), c.edits) << c.what;
    EXPECT_EQ(Text(all), c.allAfter) << c.what;
    EXPECT_EQ(Text(view.filtered ? filtered : all), c.shownAfter) << c.what;
    EXPECT_EQ(Text(selected), c.selectedAfter) << c.what;
  }
}

}  // namespace
