// The list that follows the desktop: what a look does to the lists and the rows (where a row goes
// is fuzzed against its definition).
#include <gtest/gtest.h>

#include <sstream>

#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"

namespace {

// "a1 b2 3": a title's letters, then its window ("3": a window without a title).
TerminalList List(const std::string& text) {
  TerminalList list;
  std::istringstream words(text);
  for (std::string w; words >> w;) {
    const auto digits = static_cast<std::ptrdiff_t>(w.find_first_of("0123456789"));
    list.push_back({Utf16String(w.begin(), w.begin() + digits),
                    reinterpret_cast<WindowHandle>(std::stoul(w.substr(digits)))});
  }
  return list;
}

// The edits ("-row", "+row text", "=row text"), then each list in the form above after a "|".
std::string Text(const std::vector<RowEdit>& edits, std::vector<TerminalList> lists) {
  std::string text;
  for (const RowEdit& e : edits) {
    text += "+-="[static_cast<int>(e.kind)] + std::to_string(e.row) +
            std::string(e.text.begin(), e.text.end()) + " ";
  }
  for (const TerminalList& list : lists) {
    text += "|";
    for (const TerminalEntry& e : list) {
      text +=
          " " + std::string(e.title.begin(), e.title.end()) + std::to_string(HandleValue(e.window));
    }
  }
  return text;
}

TEST(TerminalMerge, ClosedGoRenamedStayNewcomersTakeTheirPlace) {
  const struct {
    const char *all, *selected, *now, *filter;
    bool descending;
    const char* expected;  // edits | all | shown | selected
  } cases[] = {
      {"a1 b2 c3", "c3 b2", "a1 c3", "", false, "-1 | a1 c3| a1 c3| c3"},
      {"a1 b2 c3", "b2 a1", "a1 z2 c3", "", false, "=1z | a1 z2 c3| a1 z2 c3| z2 a1"},
      {"a1 c3", "c3", "d4 a1 b2 c3", "", false, "+2d +1b | a1 b2 c3 d4| a1 b2 c3 d4| c3"},
      {"c3 a1", "", "a1 b2 c3", "", true, "+1b | c3 b2 a1| c3 b2 a1|"},
      {"a1 a5", "", "a5 a3 a1", "", false, "+1a | a1 a3 a5| a1 a3 a5|"},  // equal titles by window
      {"a1 b2 bb3", "bb3", "x1 q2 bb3 c5 AB4", "b", false,
       "=0q +0AB | AB4 c5 x1 q2 bb3| AB4 q2 bb3| bb3"},            // renamed rows keep their place
      {"a1 b2", "b2", "2 a1 3", "", false, "| a1 b2| a1 b2| b2"},  // untitled for a while, or yet
  };
  for (const auto& c : cases) {
    const std::string filter = c.filter;
    const ListView view{!filter.empty(),
                        PrepareFilterText(Utf16String(filter.begin(), filter.end())), c.descending};
    TerminalList all = List(c.all), selected = List(c.selected), filtered;
    for (const TerminalEntry& e : all) {
      if (view.filtered && TitleMatchesFilter(e.title, view.preparedFilter)) filtered.push_back(e);
    }
    const auto edits = MergeTerminals(all, filtered, selected, view, List(c.now));
    EXPECT_EQ(Text(edits, {all, view.filtered ? filtered : all, selected}), c.expected) << c.now;
  }
}

}  // namespace
