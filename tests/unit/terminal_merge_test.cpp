// The list that follows the desktop: what a look does to the lists and the rows (where a row goes
// is fuzzed against its definition).
#include <gtest/gtest.h>

#include <sstream>

#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"

namespace {

std::string Narrow(const Utf16String& text) { return std::string(text.begin(), text.end()); }

// "a1 b2 3": a title's letters, then its window ("3": a window without a title).
TerminalList List(const std::string& text) {
  TerminalList list;
  std::istringstream words(text);
  for (std::string w, title; words >> w;) {
    title = w.substr(0, w.find_first_of("0123456789"));
    list.push_back({Utf16String(title.begin(), title.end()),
                    reinterpret_cast<WindowHandle>(std::stoul(w.substr(title.size())))});
  }
  return list;
}

TEST(TerminalMerge, ClosedGoRenamedStayNewcomersTakeTheirPlace) {
  const struct {
    const char *all, *selected, *now;
    const char16_t* filter;
    bool descending;
    const char* expected;  // the edits ("-row", "+row text", "=row text") | all | shown | selected
  } cases[] = {
      {"a1 b2 c3", "c3 b2", "a1 c3", u"", false, "-1 | a1 c3| a1 c3| c3"},
      {"a1 b2 c3", "b2 a1", "a1 z2 c3", u"", false, "=1z | a1 z2 c3| a1 z2 c3| z2 a1"},
      {"a1 c3", "c3", "d4 a1 b2 c3", u"", false, "+2d +1b | a1 b2 c3 d4| a1 b2 c3 d4| c3"},
      {"c3 a1", "", "a1 b2 c3", u"", true, "+1b | c3 b2 a1| c3 b2 a1|"},
      {"a1 a5", "", "a5 a3 a1", u"", false, "+1a | a1 a3 a5| a1 a3 a5|"},  // equal titles by window
      {"a1 b2 bb3", "bb3", "x1 q2 bb3 c5 AB4", u"b", false,
       "=0q +0AB | AB4 c5 x1 q2 bb3| AB4 q2 bb3| bb3"},             // renamed rows keep their place
      {"a1 b2", "b2", "2 a1 3", u"", false, "| a1 b2| a1 b2| b2"},  // untitled for a while, or yet
  };
  for (const auto& c : cases) {
    const ListView view{*c.filter != 0, PrepareFilterText(c.filter), c.descending};
    TerminalList all = List(c.all), selected = List(c.selected), filtered;
    for (const TerminalEntry& e : all) {
      if (view.filtered && TitleMatchesFilter(e.title, view.preparedFilter)) filtered.push_back(e);
    }
    std::string text;
    for (const RowEdit& e : MergeTerminals(all, filtered, selected, view, List(c.now))) {
      text += "+-="[static_cast<int>(e.kind)] + std::to_string(e.row) + Narrow(e.text) + " ";
    }
    for (const TerminalList* list : {&all, view.filtered ? &filtered : &all, &selected}) {
      text += "|";
      for (const TerminalEntry& e : *list) {
        text += " " + Narrow(e.title) + std::to_string(HandleValue(e.window));
      }
    }
    EXPECT_EQ(text, c.expected) << c.now;
  }
}

}  // namespace
