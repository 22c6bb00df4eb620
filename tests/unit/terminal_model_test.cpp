// Each change of the terminal model: the lists it leaves, and what the rows and the selection's
// listeners are told, in order.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "terminals/terminal_model.h"

namespace {

std::string
    Told;  // R(efill) M(ark) A(ll marked) E(dits) S(election); c: filter cleared, u: unmark first

void HearRows(const RowsChange& change) {
  static const char kKinds[] = "RMAE";
  Told += kKinds[static_cast<int>(change.kind)];
  if (change.filterCleared) Told += 'c';
  if (change.unmarkFirst) Told += 'u';
  for (const auto& [first, last] : change.marks) {
    Told += std::to_string(first) + "-" + std::to_string(last) + ",";
  }
  if (!change.edits.empty()) Told += std::to_string(change.edits.size());
  Told += ' ';
}

// Terminal "a" is window 1, "b" window 2 and so on.
TerminalList Named(const std::string& titles) {
  TerminalList list;
  for (const char title : titles) {
    list.push_back(
        MakeTerminalEntry(std::u16string(1, static_cast<char16_t>(title)),
                          reinterpret_cast<WindowHandle>(std::uintptr_t(title - 'a' + 1))));
  }
  return list;
}

std::string Titles(const TerminalList& list) {
  std::string titles;
  for (const TerminalEntry& entry : list) titles += static_cast<char>(entry.title[0]);
  return titles;
}

struct Change {
  const char* name;
  std::function<void()> before, change;
  const char* told;
  const char* visible;
  const char* selected;
};

TEST(TerminalModel, EachChangeLeavesItsListsAndTellsTheRowsThenTheSelection) {
  static const bool listening = [] {
    ListenToRows(HearRows);
    ListenToSelection([] { Told += "S "; });
    return true;
  }();
  ASSERT_TRUE(listening);
  const auto filter = [](const char* text) {
    return [text] {
      FilterTerminals(std::u16string(text, text + std::char_traits<char>::length(text)));
    };
  };
  const Change changes[] = {
      {"discovery sorts and clears the filter", [] { FilterTerminals(u"b"); },
       [] { ReplaceTerminals(Named("cab")); }, "Rc S ", "abc", ""},
      {"discovery keeps the selected that are still found",
       [] {
         SelectRows({0, 2});
       },
       [] { ReplaceTerminals(Named("cd")); }, "R0-0, S ", "cd", "c"},
      {"a filter shows the matches, the selection kept where shown", [] { SelectAllShown(); },
       filter("b"), "R0-0, S ", "b", "b"},
      {"a hidden terminal is deselected for good",
       [] {
         SelectAllShown();
         FilterTerminals(u"b");
       },
       filter(""), "R1-1, S ", "abc", "b"},
      {"an empty box over no filter is no change", [] {}, [] { FilterTerminals(u""); }, "R S ",
       "abc", ""},
      {"marked rows become the selection, rows beyond ignored", [] {},
       [] {
         SelectRows({2, 5, -1});
       },
       "S ", "abc", "c"},
      {"select all marks every row", [] {}, [] { SelectAllShown(); }, "A S ", "abc", "abc"},
      {"invert marks the rest, unmarking first", [] { SelectRows({1}); }, [] { InvertShown(); },
       "Mu0-0,2-2, S ", "abc", "ac"},
      {"invert from nothing marks every row", [] {}, [] { InvertShown(); }, "M0-2, S ", "abc",
       "abc"},
      {"titles clear the filter first",
       [] {
         FilterTerminals(u"b");
         SelectAllShown();
       },
       [] {
         EXPECT_EQ(SelectTitled({u"a", u"c"}), 2u);
       },
       "Rc1-1, Mu0-0,2-2, S ", "abc", "ac"},
      {"reverse order descends, then ascends", [] { FilterTerminals(u"a"); },
       [] { ReverseTerminalOrder(); }, "Rc S ", "cba", ""},
      {"a terminal closed leaves the rows and the selection", [] { SelectAllShown(); },
       [] { MergeDesktop(Named("ac")); }, "E1 S ", "ac", "ac"},
      {"a new terminal is listed, not selected", [] { SelectAllShown(); },
       [] { MergeDesktop(Named("abcd")); }, "E1 ", "abcd", "abc"},
      {"the same desktop is no change", [] {}, [] { MergeDesktop(Named("abc")); }, "", "abc", ""},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.name);
    ReplaceTerminals({});
    SelectRows({});
    ReplaceTerminals(Named("abc"));
    c.before();
    Told.clear();
    c.change();
    EXPECT_EQ(Told, c.told);
    EXPECT_EQ(Titles(VisibleTerminals()), c.visible);
    EXPECT_EQ(Titles(SelectedTerminals), c.selected);
  }
}

TEST(TerminalModel, ReversingAlternatesAndDiscoveryStartsAscendingAgain) {
  ReplaceTerminals(Named("abc"));
  ReverseTerminalOrder();
  EXPECT_TRUE(ListedDescending());
  ReverseTerminalOrder();
  EXPECT_EQ(Titles(AllTerminals), "abc");
  ReverseTerminalOrder();
  ReplaceTerminals(Named("abc"));
  EXPECT_FALSE(ListedDescending());
}

}  // namespace
