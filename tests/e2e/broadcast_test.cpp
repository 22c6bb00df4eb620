// Keystrokes typed into the command box reach every selected stand-in terminal as the same
// key-downs, in selection order, and nothing else; the show-state warning stops them all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/record.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

// One process with three terminal windows: its single message queue keeps the posts from
// Flockhand in the order they were made, across all three windows.
class BroadcastTest : public FlockhandTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(nodes_.Started()) << nodes_.Error();
    ASSERT_TRUE(StartWithRows(3));
  }
  HWND List() const { return P().terminalList; }
  HWND Node(int i) const {  // node 1, node 2, node 3 by title
    for (HWND w : nodes_.Windows()) {
      if (WindowText(w) == L"node " + std::to_wstring(i)) return w;
    }
    return nullptr;
  }
  bool KeyDownsArrive(size_t count) const {
    return nodes_.WaitForRecord(
        [&](const std::vector<RecordLine>& r) {
          return Events(r, nullptr, L"KEYDOWN").size() >= count;
        },
        5s);
  }

  StandIn nodes_{{L"--title=node", L"--count=3"}};
};

TEST_F(BroadcastTest, SelectedTerminalsGetExactlyTheKeyDownsInSelectionOrder) {
  // Third row, then the first with Ctrl: the selection is first, third.
  ClickListRow(List(), 2);
  ClickListRow(List(), 0, kCtrl);
  ASSERT_TRUE(WaitUntil([&] { return MarkedRows(List()) == std::vector<int>{0, 2}; }, 5s));
  ASSERT_TRUE(app.ClickToFocus(P().commandBox));
  TypeText(L"ab");
  PressKey(VK_RETURN);
  ASSERT_TRUE(KeyDownsArrive(6)) << nodes_.RecordText();
  ASSERT_TRUE(nodes_.Sync());
  const auto record = nodes_.Record();
  const auto keys = Events(record, nullptr, L"KEYDOWN");
  ASSERT_EQ(keys.size(), 6u) << nodes_.RecordText();
  const WPARAM expectedKeys[] = {'A', 'B', VK_RETURN};
  for (size_t k = 0; k < 3; ++k) {
    const RecordLine& first = keys[2 * k];
    const RecordLine& third = keys[2 * k + 1];
    EXPECT_EQ(first.window, Node(1)) << "node 1 comes first in the selection";
    EXPECT_EQ(third.window, Node(3));
    const auto a = Numbers(first), b = Numbers(third);
    ASSERT_TRUE(a && b && a->size() == 2 && b->size() == 2);
    EXPECT_EQ((*a)[0], expectedKeys[k]);
    EXPECT_EQ(*a, *b) << "both get the same wParam and lParam";
    EXPECT_EQ((*a)[1] & 0xFFFF, 1u) << "repeat count 1";
    EXPECT_EQ((*a)[1] & 0x80000000u, 0u) << "a key-down, not a release";
  }
  EXPECT_TRUE(Events(record, Node(2), L"KEYDOWN").empty()) << "node 2 is not selected";
  EXPECT_TRUE(Events(record, nullptr, L"KEYUP").empty());
  EXPECT_TRUE(Events(record, nullptr, L"CHAR").empty());
  EXPECT_TRUE(WindowText(P().commandBox).empty()) << "the command box stays empty";
}

TEST_F(BroadcastTest, NothingSelectedSendsNothing) {
  ASSERT_TRUE(app.ClickToFocus(P().commandBox));
  TypeText(L"q");
  PressKey(VK_F5);  // an accelerator: refreshes and is not broadcast
  // Something that certainly arrives afterwards: select all and type.
  ASSERT_TRUE(app.SelectAll(3));
  ASSERT_TRUE(app.ClickToFocus(P().commandBox));
  PressKey(VK_F4);  // reverses the order instead of being broadcast
  ASSERT_TRUE(WaitUntil([&] { return ListRowText(List(), 0) == L"node 3"; }, 5s));
  TypeText(L"z");
  ASSERT_TRUE(KeyDownsArrive(3)) << nodes_.RecordText();
  // F5 with the selection in place refreshes (ascending again) and is not broadcast either.
  PressKey(VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return ListRowText(List(), 0) == L"node 1"; }, 5s));
  TypeText(L"y");
  ASSERT_TRUE(KeyDownsArrive(6)) << nodes_.RecordText();
  ASSERT_TRUE(nodes_.Sync());
  const auto keys = Events(nodes_.Record(), nullptr, L"KEYDOWN");
  ASSERT_EQ(keys.size(), 6u) << nodes_.RecordText();
  const HWND reversed[] = {Node(3), Node(2), Node(1)};
  const HWND ascending[] = {Node(1), Node(2), Node(3)};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ((*Numbers(keys[i]))[0], static_cast<uint64_t>('Z'));
    EXPECT_EQ(keys[i].window, reversed[i]) << "after F4 node 3 comes first";
    EXPECT_EQ((*Numbers(keys[3 + i]))[0], static_cast<uint64_t>('Y'));
    EXPECT_EQ(keys[3 + i].window, ascending[i]) << "after F5 node 1 comes first";
  }
}

TEST_F(BroadcastTest, MaximisedOrMinimisedTerminalStopsTheBroadcastWithAWarning) {
  ASSERT_TRUE(app.SelectAll(3));
  for (int show : {SW_MINIMIZE, SW_MAXIMIZE}) {
    SCOPED_TRACE(show == SW_MAXIMIZE ? "maximised" : "minimised");
    ShowWindow(Node(2), show);
    ASSERT_TRUE(WaitUntil(
        [&] { return (show == SW_MAXIMIZE ? IsZoomed(Node(2)) : IsIconic(Node(2))) != FALSE; },
        5s));
    ASSERT_TRUE(app.Activate());
    // Keep Flockhand above the maximised terminal for the clicks.
    SetWindowPos(app.Main(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(app.ClickToFocus(P().commandBox));
    TypeText(L"x");
    ASSERT_TRUE(WaitUntil([&] { return !app.Warnings().empty(); }, 5s)) << "no warning box";
    const HWND box = app.Warnings()[0];
    std::wstring text;
    for (const ChildInfo& child : Children(box)) {
      if (child.className == L"Static" && child.text.size() > text.size()) text = child.text;
    }
    EXPECT_EQ(Utf8(text),
              Utf8(L"選択対象のTeraTermウィンドウの中に最小化されているものがあります。\n"
                   L"もう一度並べてください。"));
    ASSERT_TRUE(ClickUntilClosed(GetDlgItem(box, IDOK), box));
    ASSERT_TRUE(nodes_.Sync());
    EXPECT_TRUE(Events(nodes_.Record(), nullptr, L"KEYDOWN").empty()) << "nobody receives anything";
    ShowWindow(Node(2), SW_RESTORE);
  }
}

}  // namespace
}  // namespace e2e
