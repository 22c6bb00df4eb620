// The list that follows the desktop: what a new look does to the lists and the rows.
#include <gtest/gtest.h>

#include <string>

#include "terminals/terminal_merge.h"
#include "terminals/title_filter.h"

namespace {

struct T {
  const char16_t* title;
  std::uintptr_t handle;
};

TerminalList List(std::initializer_list<T> terminals) {
  TerminalList list;
  for (const T& t : terminals) {
    list.push_back(MakeTerminalEntry(t.title, reinterpret_cast<WindowHandle>(t.handle)));
  }
  return list;
}

// "title:handle ..." in list order; titles here are ASCII.
std::string Text(const TerminalList& list) {
  std::string text;
  for (const TerminalEntry& e : list) {
    text += std::string(e.title.begin(), e.title.end()) + ":" +
            std::to_string(HandleValue(e.window)) + " ";
  }
  return text;
}

// "-row", "+row:text", "=row:text" in order.
std::string Text(const std::vector<RowEdit>& edits) {
  std::string text;
  for (const RowEdit& e : edits) {
    text += "+-="[static_cast<int>(e.kind)];  // Insert, Delete, SetText
    text += std::to_string(e.row);
    if (e.kind != RowEdit::Kind::Delete) text += ":" + std::string(e.text.begin(), e.text.end());
    text += " ";
  }
  return text;
}

TEST(TerminalMerge, ClosedGoRenamedStayNewcomersTakeTheirPlace) {
  const struct {
    const char* what;
    TerminalList all, selected, now;
    const char16_t* filter;
    bool descending;
    const char* edits;
    const char* allAfter;
    const char* shownAfter;
    const char* selectedAfter;
  } cases[] = {
      {"nothing changed", List({{u"a", 1}, {u"b", 2}}), List({{u"b", 2}}),
       List({{u"b", 2}, {u"a", 1}}), u"", false, "", "a:1 b:2 ", "a:1 b:2 ", "b:2 "},
      {"a closed terminal leaves the rows and the selection",
       List({{u"a", 1}, {u"b", 2}, {u"c", 3}}), List({{u"c", 3}, {u"b", 2}}),
       List({{u"a", 1}, {u"c", 3}}), u"", false, "-1 ", "a:1 c:3 ", "a:1 c:3 ", "c:3 "},
      {"a renamed one keeps its place and stays selected", List({{u"a", 1}, {u"b", 2}, {u"c", 3}}),
       List({{u"b", 2}, {u"a", 1}}), List({{u"a", 1}, {u"z", 2}, {u"c", 3}}), u"", false, "=1:z ",
       "a:1 z:2 c:3 ", "a:1 z:2 c:3 ", "z:2 a:1 "},
      {"newcomers in ascending order, unselected", List({{u"a", 1}, {u"c", 3}}), List({{u"c", 3}}),
       List({{u"d", 4}, {u"a", 1}, {u"b", 2}, {u"c", 3}}), u"", false, "+1:b +3:d ",
       "a:1 b:2 c:3 d:4 ", "a:1 b:2 c:3 d:4 ", "c:3 "},
      {"a newcomer in descending order", List({{u"c", 3}, {u"a", 1}}), List({}),
       List({{u"a", 1}, {u"b", 2}, {u"c", 3}}), u"", true, "+1:b ", "c:3 b:2 a:1 ", "c:3 b:2 a:1 ",
       ""},
      {"equal titles by handle", List({{u"a", 1}, {u"a", 5}}), List({}),
       List({{u"a", 5}, {u"a", 3}, {u"a", 1}}), u"", false, "+1:a ", "a:1 a:3 a:5 ", "a:1 a:3 a:5 ",
       ""},
      {"under a filter: matching newcomers only, renames keep their rows",
       List({{u"a", 1}, {u"b", 2}, {u"bb", 3}}), List({{u"bb", 3}}),
       List({{u"x", 1}, {u"q", 2}, {u"bb", 3}, {u"c", 5}, {u"AB", 4}}), u"b", false, "+0:AB =1:q ",
       "AB:4 c:5 x:1 q:2 bb:3 ", "AB:4 q:2 bb:3 ", "bb:3 "},
      {"an untitled one stays as it was; an untitled newcomer waits for its title",
       List({{u"a", 1}, {u"b", 2}}), List({{u"b", 2}}), List({{u"", 2}, {u"a", 1}, {u"", 3}}), u"",
       false, "", "a:1 b:2 ", "a:1 b:2 ", "b:2 "},
      {"everything replaced", List({{u"a", 1}, {u"b", 2}}), List({{u"a", 1}, {u"b", 2}}),
       List({{u"c", 3}}), u"", false, "-0 -0 +0:c ", "c:3 ", "c:3 ", ""},
  };
  for (const auto& c : cases) {
    TerminalList all = c.all, selected = c.selected, filtered;
    const ListView view{*c.filter != 0, PrepareFilterText(c.filter), c.descending};
    for (const TerminalEntry& e : all) {
      if (view.filtered && TitleMatchesFilter(e.title, view.preparedFilter)) filtered.push_back(e);
    }
    EXPECT_EQ(Text(MergeTerminals(all, filtered, selected, view, c.now)), c.edits) << c.what;
    EXPECT_EQ(Text(all), c.allAfter) << c.what;
    EXPECT_EQ(Text(view.filtered ? filtered : all), c.shownAfter) << c.what;
    EXPECT_EQ(Text(selected), c.selectedAfter) << c.what;
  }
}

TEST(TerminalMerge, FollowRowKeepsTheTerminalOrTheNextThatStayed) {
  TerminalList all = List({{u"a", 1}, {u"b", 2}, {u"c", 3}, {u"d", 4}}), filtered, selected;
  const auto edits =
      MergeTerminals(all, filtered, selected, {}, List({{u"0", 9}, {u"a", 1}, {u"d", 4}}));
  ASSERT_EQ(Text(edits), "+0:0 -2 -2 ");
  EXPECT_EQ(FollowRow(edits, 0, 3), 1u);
  EXPECT_EQ(FollowRow(edits, 1, 3), 2u) << "b and c closed: d";
  EXPECT_EQ(FollowRow(edits, 3, 3), 2u);
  EXPECT_EQ(FollowRow({{RowEdit::Kind::Delete, 1, {}}}, 1, 1), 0u) << "none after: the last row";
  EXPECT_EQ(FollowRow({}, 2, 0), 0u);
}

}  // namespace
