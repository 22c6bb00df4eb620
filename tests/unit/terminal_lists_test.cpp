// Membership by window handle and pruning of the selection.
#include <gtest/gtest.h>

#include "terminals/terminal_lists.h"

namespace {

WindowHandle Handle(std::uintptr_t value) { return reinterpret_cast<WindowHandle>(value); }

TEST(TerminalLists, MembershipIsByHandleNotTitle) {
  const TerminalList list = {MakeTerminalEntry(u"a", Handle(1)),
                             MakeTerminalEntry(u"b", Handle(2))};
  EXPECT_EQ(WindowsOf(list), (WindowSet{Handle(1), Handle(2)}));
  EXPECT_TRUE(WindowsOf({}).empty());
}

TEST(TerminalLists, KeepShownKeepsStoredTitlesInRowOrder) {
  TerminalList selection = {
      MakeTerminalEntry(u"old-c", Handle(3)), MakeTerminalEntry(u"a", Handle(1)),
      MakeTerminalEntry(u"gone", Handle(9)), MakeTerminalEntry(u"b", Handle(2))};
  const TerminalList shown = {MakeTerminalEntry(u"a", Handle(1)), MakeTerminalEntry(u"x", Handle(7)),
                              MakeTerminalEntry(u"b", Handle(2)),
                              MakeTerminalEntry(u"new-c", Handle(3))};
  EXPECT_EQ(KeepShown(selection, shown), (RowRuns{{0, 0}, {2, 3}}));
  ASSERT_EQ(selection.size(), 3u);
  EXPECT_EQ(selection[0].window, Handle(1));
  EXPECT_EQ(selection[1].window, Handle(2));
  EXPECT_EQ(selection[2].window, Handle(3));
  EXPECT_EQ(TitleOf(selection[2]), u"old-c") << "a selected entry keeps its own title";
  EXPECT_TRUE(KeepShown(selection, {}).empty());
  EXPECT_TRUE(selection.empty());
}

TEST(TerminalLists, RunsAndInversionFollowTheRowsByHandle) {
  TerminalList shown;
  for (std::uintptr_t h = 1; h <= 7; ++h) shown.push_back(MakeTerminalEntry(u"row", Handle(h)));
  const struct {
    std::vector<std::uintptr_t> selected;
    RowRuns runs;
    std::vector<std::uintptr_t> unselected;
    RowRuns unselectedRuns;
  } cases[] = {
      {{}, {}, {1, 2, 3, 4, 5, 6, 7}, {{0, 6}}},
      {{7, 6, 5, 4, 3, 2, 1}, {{0, 6}}, {}, {}},
      {{1, 3, 4, 7, 99}, {{0, 0}, {2, 3}, {6, 6}}, {2, 5, 6}, {{1, 1}, {4, 5}}},
      {{2, 6}, {{1, 1}, {5, 5}}, {1, 3, 4, 5, 7}, {{0, 0}, {2, 4}, {6, 6}}},
  };
  const auto values = [](const TerminalList& list) {
    std::vector<std::uintptr_t> handles;
    for (const auto& entry : list) handles.push_back(HandleValue(entry.window));
    return handles;
  };
  for (const auto& c : cases) {
    TerminalList selection;
    for (std::uintptr_t h : c.selected) selection.push_back(MakeTerminalEntry(u"x", Handle(h)));
    EXPECT_EQ(values(Unselected(shown, selection)), c.unselected);
    TerminalList kept = selection;
    EXPECT_EQ(KeepShown(kept, shown), c.runs);
    EXPECT_EQ(InvertWithin(selection, shown), c.unselectedRuns);
    EXPECT_EQ(values(selection), c.unselected);
    EXPECT_EQ(TitleOf(selection.empty() ? shown[0] : selection[0]), u"row")
        << "the inverted selection takes the rows' entries";
  }
}

}  // namespace
