// Flockhand tried as a demanding user and an attacker would: a flood of keys behind the
// warning box, the keys typed right after it, huge pastes into the edits, and the list's view
// across the operations that refill or re-mark it.
#include <gtest/gtest.h>

#include <string>

#include "harness/clipboard.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/record.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"
#include "base/resource_ids.h"

namespace e2e {
namespace {

using HugePaste = FlockhandTest;
using ListView = FlockhandTest;

// A normal and a minimised terminal, both selected: every key-down in the command box warns.
class Warning : public FlockhandTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(up_.Started()) << up_.Error();
    ASSERT_TRUE(down_.Started()) << down_.Error();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(app.SelectAll(2));
  }
  // Posts `count` key-downs to the command box, then F1's command as a barrier: once the
  // captions show the keys (or not, `hints`), every key-down before it has been handled.
  bool FloodCommandBox(int count, bool hints) {
    for (int i = 0; i < count; ++i) PostMessageW(P().commandBox, WM_KEYDOWN, 'X', 0x002D0001);
    PostMessageW(app.Main(), WM_COMMAND, IDM_CAPTION_HINTS, 0);
    const std::wstring caption = hints ? L"並び順を反転(F4)" : L"並び順を反転";
    const auto handled = [&] { return WindowText(P().reverseOrder) == caption; };
    WaitUntil([&] { return handled() || app.Process().ExitCode().has_value(); }, 60s);
    return handled();
  }

  StandIn up_{{L"--title=up"}};
  StandIn down_{{L"--title=down", L"--show=min"}};
};

TEST_F(Warning, FloodOfKeysShowsOneBoxAndBroadcastsNothingWhileItIsShown) {
  ASSERT_TRUE(FloodCommandBox(3000, true)) << "Flockhand did not get through 3000 key-downs";
  EXPECT_TRUE(app.Answers(1s));
  EXPECT_EQ(app.Warnings().size(), 1u);
  // With the terminal restored behind the box, keys would now go out: not while it is shown.
  ShowWindow(down_.Window(), SW_SHOWNOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(down_.Window()); }, 5s));
  ASSERT_TRUE(FloodCommandBox(10, false));
  ASSERT_TRUE(up_.Sync() && down_.Sync());
  EXPECT_TRUE(Events(up_.Record(), nullptr, L"KEYDOWN").empty()) << up_.RecordText();
  EXPECT_TRUE(Events(down_.Record(), nullptr, L"KEYDOWN").empty()) << down_.RecordText();
  ASSERT_EQ(app.Warnings().size(), 1u);
  const HWND box = app.Warnings()[0];
  EXPECT_TRUE(ClickUntilClosed(GetDlgItem(box, IDOK), box));
  EXPECT_TRUE(app.Warnings().empty());
}

TEST_F(Warning, AfterTheWarningTheNextKeyReachesEverySelectedTerminal) {
  ClickWindow(P().commandBox);
  TypeText(L"x");
  ASSERT_TRUE(WaitUntil([&] { return app.Warnings().size() == 1; }, 5s));
  ShowWindow(down_.Window(), SW_SHOWNOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(down_.Window()); }, 5s));
  const HWND box = app.Warnings()[0];
  ASSERT_TRUE(ClickUntilClosed(GetDlgItem(box, IDOK), box));
  EXPECT_TRUE(WaitUntil(
      [&] { return GetForegroundWindow() == app.Main() && app.Focus() == P().commandBox; }, 5s))
      << "foreground: " << Utf8(WindowText(GetForegroundWindow())) << ", Flockhand's focus "
      << app.Focus();
  TypeText(L"y");
  // Each gets the posted key-down; a terminal typed into directly would also get the key-up.
  for (const StandIn* terminal : {&up_, &down_}) {
    terminal->WaitForRecord([](const auto& r) { return !Events(r, nullptr, L"KEYDOWN").empty(); },
                            5s);
    ASSERT_TRUE(terminal->Sync());
    const auto keys = Events(terminal->Record(), nullptr, L"KEYDOWN");
    ASSERT_EQ(keys.size(), 1u) << terminal->RecordText();
    EXPECT_EQ((*Numbers(keys[0]))[0], static_cast<uint64_t>('Y'));
    EXPECT_TRUE(Events(terminal->Record(), nullptr, L"KEYUP").empty()) << terminal->RecordText();
  }
}

// 100 000 characters pasted with Ctrl+V into the filter box and the two grid counts.
TEST_F(HugePaste, EachEditTakesItAndAnswersAtOnce) {
  StandIn terminal({L"--title=paste"});
  ASSERT_TRUE(terminal.Started()) << terminal.Error();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.SelectAll(1));  // the grid counts are enabled only with a selection
  const Panel& p = app.Controls();
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(p.columnsEdit) != FALSE; }, 5s));
  std::wstring text;
  while (text.size() < 100000) text += L"1234567890";
  ASSERT_TRUE(SetClipboardText(text));
  // The filter last: no title holds the digits, so the filter empties the selection.
  for (HWND edit : {p.columnsEdit, p.rowsEdit, p.filterBox}) {
    SCOPED_TRACE(edit == p.filterBox ? "filter" : edit == p.columnsEdit ? "columns" : "rows");
    ASSERT_TRUE(app.ClickToFocus(edit));
    PressKey(VK_END);
    PressKey(VK_BACK);  // the grid counts hold one digit
    PressKey('V', kCtrl);
    std::wstring shown;
    EXPECT_TRUE(WaitUntil(
        [&] {
          shown = WindowText(edit);
          return !shown.empty() && text.compare(0, shown.size(), shown) == 0;
        },
        5s))
        << "the edit holds \"" << shown.size() << "\" units";
    EXPECT_LE(shown.size(), edit == p.filterBox ? 254u : 4u);
    EXPECT_TRUE(app.Answers(1s));
  }
}

// The view stays where the user scrolled it while F4, F5, Alt+R and Alt+A refill or re-mark it.
TEST_F(ListView, TopRowIsKeptAcrossRefreshReverseInvertAndSelectAll) {
  StandIn hosts({L"--title=host", L"--count=43"});
  ASSERT_TRUE(hosts.Started()) << hosts.Error();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.SelectAll(43));
  const HWND list = app.Controls().terminalList;
  const auto top = [&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0); };
  struct Step {
    const char* name;
    WORD key;
    unsigned modifiers;
    const wchar_t* firstRow;
    size_t marked;
  } steps[] = {
      {"F4", VK_F4, kNoModifiers, L"host 9", 43}, {"F5", VK_F5, kNoModifiers, L"host 1", 43},
      {"Alt+R", 'R', kAlt, L"host 1", 0},         {"Alt+R", 'R', kAlt, L"host 1", 43},
      {"Alt+R", 'R', kAlt, L"host 1", 0},         {"Alt+A", 'A', kAlt, L"host 1", 43},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    SendMessageW(list, LB_SETTOPINDEX, 7, 0);
    ASSERT_EQ(top(), 7);
    PressKey(step.key, step.modifiers);
    ASSERT_TRUE(WaitUntil(
        [&] {
          return ListRowText(list, 0) == step.firstRow && MarkedRows(list).size() == step.marked;
        },
        5s));
    EXPECT_EQ(top(), 7);
  }
}

}  // namespace
}  // namespace e2e
