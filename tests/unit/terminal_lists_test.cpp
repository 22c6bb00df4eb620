// Membership by window handle and pruning of the selection.
#include <gtest/gtest.h>

#include "terminals/terminal_lists.h"

namespace {

WindowHandle Handle(std::uintptr_t value) { return reinterpret_cast<WindowHandle>(value); }

TEST(TerminalLists, MembershipIsByHandleNotTitle) {
  const TerminalList list = {MakeTerminalEntry(u"a", Handle(1)),
                             MakeTerminalEntry(u"b", Handle(2))};
  EXPECT_TRUE(ContainsWindow(list, Handle(2)));
  EXPECT_FALSE(ContainsWindow(list, Handle(3)));
  EXPECT_FALSE(ContainsWindow({}, Handle(1)));
}

TEST(TerminalLists, KeepOnlyWindowsInKeepsOrderAndStoredTitles) {
  TerminalList selection = {
      MakeTerminalEntry(u"old-c", Handle(3)), MakeTerminalEntry(u"a", Handle(1)),
      MakeTerminalEntry(u"gone", Handle(9)), MakeTerminalEntry(u"b", Handle(2))};
  const TerminalList keep = {MakeTerminalEntry(u"a", Handle(1)), MakeTerminalEntry(u"b", Handle(2)),
                             MakeTerminalEntry(u"new-c", Handle(3))};
  KeepOnlyWindowsIn(selection, keep);
  ASSERT_EQ(selection.size(), 3u);
  EXPECT_EQ(selection[0].window, Handle(3));
  EXPECT_EQ(TitleOf(selection[0]), u"old-c") << "a selected entry keeps its own title";
  EXPECT_EQ(selection[1].window, Handle(1));
  EXPECT_EQ(selection[2].window, Handle(2));
  KeepOnlyWindowsIn(selection, {});
  EXPECT_TRUE(selection.empty());
}

}  // namespace
