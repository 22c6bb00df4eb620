// Bringing forward, flashing, hiding and the menu-bar switch on real stand-in terminals with
// real clicks and keys; then every operation again, and F5 and keystrokes, with a hung, a closed,
// a silent and a vanishing terminal among the selected ones.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

// How many times window has been activated (ACTIVATE lines other than WA_INACTIVE).
size_t Activations(const StandIn& terminals, HWND window) {
  size_t count = 0;
  for (const RecordLine& line : Events(terminals.Record(), window, L"ACTIVATE")) {
    count += line.args != L"0";
  }
  return count;
}

void ClickRow(HWND list, int row, unsigned modifiers = kNoModifiers) {
  if (modifiers & kCtrl) KeyDown(VK_CONTROL);
  Click(ListRowPoint(list, row));
  if (modifiers & kCtrl) KeyUp(VK_CONTROL);
}

class WindowOps : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(nodes_.Started()) << nodes_.Error();
    ASSERT_TRUE(app_.Ready());
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(P().terminalList) == 3; }, 5s));
    ASSERT_TRUE(app_.Activate());
  }
  const Panel& P() const { return app_.Controls(); }
  HWND Node(int i) const { return nodes_.Window(i - 1); }  // titled "node i", row i - 1
  void SelectAll(size_t rows) {
    PressKey('A', kAlt);
    ASSERT_TRUE(WaitUntil([&] { return MarkedRows(P().terminalList).size() == rows; }, 5s));
  }
  ::testing::AssertionResult Shows(HWND control, const std::wstring& text) {
    if (WaitUntil([&] { return WindowText(control) == text; }, 5s)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "reads " << Utf8(WindowText(control));
  }

  StandIn nodes_{{L"--title=node", L"--count=3"}};
  Flockhand app_;
};

TEST_F(WindowOps, DoubleClickBringsOnlyThatRowsTerminalForwardThenFlockhand) {
  size_t before[4];
  for (int i = 1; i <= 3; ++i) before[i] = Activations(nodes_, Node(i));
  DoubleClick(ListRowPoint(P().terminalList, 1));
  EXPECT_TRUE(WaitUntil([&] { return Activations(nodes_, Node(2)) > before[2]; }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app_.Main(); }, 5s));
  EXPECT_EQ(MarkedRows(P().terminalList), std::vector<int>{1});
  ASSERT_TRUE(nodes_.Sync());
  EXPECT_EQ(Activations(nodes_, Node(1)), before[1]);
  EXPECT_EQ(Activations(nodes_, Node(3)), before[3]);
}

TEST_F(WindowOps, FlashMovesNothingAndPutsTheFocusIntoTheCommandBox) {
  SelectAll(3);
  PressKey('F', kAlt);
  ASSERT_TRUE(WaitUntil([&] { return app_.Focus() == P().filterBox; }, 5s));
  const size_t before = Activations(nodes_, nullptr);
  PressKey('B', kAlt);
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == P().commandBox; }, 5s));
  ASSERT_TRUE(nodes_.Sync());
  EXPECT_EQ(Activations(nodes_, nullptr), before) << "no terminal came forward";
  EXPECT_EQ(GetForegroundWindow(), app_.Main());
}

TEST_F(WindowOps, HideOthersAlsoMinimisesFilteredOutTerminalsAndWithNothingSelectedAll) {
  ClickWindow(P().filterBox);
  TypeText(L"node 2");
  ASSERT_TRUE(WaitUntil([&] { return ListRowCount(P().terminalList) == 1; }, 5s));
  SelectAll(1);
  PressKey('H', kAlt);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(Node(1)) && IsIconic(Node(3)); }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return app_.Focus() == P().commandBox; }, 5s));
  ASSERT_TRUE(nodes_.Sync());
  EXPECT_FALSE(IsIconic(Node(2))) << "the selected terminal stays as it is";
  ClickRow(P().terminalList, 0, kCtrl);  // nothing selected
  ASSERT_TRUE(WaitUntil([&] { return MarkedRows(P().terminalList).empty(); }, 5s));
  PressKey('H', kAlt);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(Node(2)) != FALSE; }, 5s));
}

TEST_F(WindowOps, MenuBarsOffThroughEachDialogInSelectionOrderThenOnAgain) {
  SelectAll(3);
  PressKey(VK_F1);
  ASSERT_TRUE(Shows(P().menuBar, L"MenuBar Off(M)"));
  ClickWindow(P().menuBar);
  std::vector<RecordLine> setup;
  ASSERT_TRUE(nodes_.WaitForRecord(
      [&](const std::vector<RecordLine>& record) {
        setup.clear();
        for (const RecordLine& line : record) {
          if (line.event == L"SETUP" || line.event == L"SETUPOK") setup.push_back(line);
        }
        return Events(record, nullptr, L"SETUPOK").size() >= 3;
      },
      10s))
      << nodes_.RecordText();
  ASSERT_EQ(setup.size(), 6u) << nodes_.RecordText();
  for (int i = 1; i <= 3; ++i) {  // opened, filled and confirmed one after the other
    const RecordLine &opened = setup[2 * i - 2], &confirmed = setup[2 * i - 1];
    EXPECT_EQ(opened.window, Node(i));
    EXPECT_EQ(opened.event, L"SETUP");
    EXPECT_EQ(confirmed.window, Node(i));
    EXPECT_EQ(Utf8(confirmed.args), "menubar=hidden title=node " + std::to_string(i));
    EXPECT_TRUE(WaitUntil([&] { return GetMenu(Node(i)) == nullptr; }, 5s));
    EXPECT_EQ(WindowText(Node(i)), L"node " + std::to_wstring(i)) << "the title is kept";
  }
  EXPECT_TRUE(Shows(P().menuBar, L"MenuBar On(M)"));
  ASSERT_TRUE(app_.Activate());  // the last dialog's terminal may have kept the foreground
  PressKey(VK_F1);
  EXPECT_TRUE(Shows(P().menuBar, L"MenuBar On"));
  PressKey('M', kAlt);
  EXPECT_TRUE(Shows(P().menuBar, L"MenuBar Off"));
  ASSERT_TRUE(nodes_.Sync());
  // Switching on reads item 8 of each terminal's system menu. Where another process's menu can
  // be read (Windows), that item's command arrives; under Wine it cannot, and nothing is sent.
  const bool menusReadable = GetSystemMenu(Node(1), FALSE) != nullptr;
  for (int i = 1; i <= 3; ++i) {
    const auto commands = Events(nodes_.Record(), Node(i), L"SYSCOMMAND");
    EXPECT_EQ(commands.size(), menusReadable ? 1u : 0u) << nodes_.RecordText();
    if (menusReadable && commands.size() == 1) {
      EXPECT_EQ(commands[0].args, L"0xC440");
    }
    EXPECT_EQ(GetMenu(Node(i)) != nullptr, menusReadable);
  }
}

// A terminal that never reads its messages, one closed since the list was made, one that opens
// no setup dialog and one that closes when asked for it, selected with two live ones.
class Unanswering : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const StandIn* t : {&gone_, &hung_, &live_, &silent_, &quits_}) {
      ASSERT_TRUE(t->Started()) << t->Error();
    }
    ASSERT_TRUE(app_.Ready());
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(P().terminalList) == 6; }, 5s));
    gone_.Close();
    ASSERT_TRUE(app_.Activate());
    PressKey('A', kAlt);
    ASSERT_TRUE(WaitUntil([&] { return MarkedRows(P().terminalList).size() == 6; }, 5s));
  }
  const Panel& P() const { return app_.Controls(); }
  HWND Live(int i) const { return live_.Window(i - 1); }
  size_t LiveEvents(const wchar_t* event) const {
    return Events(live_.Record(), Live(1), event).size() +
           Events(live_.Record(), Live(2), event).size();
  }

  StandIn gone_{{L"--title=a gone"}};
  StandIn hung_{{L"--title=b hung", L"--hung"}};
  StandIn live_{{L"--title=c live", L"--count=2"}};
  StandIn silent_{{L"--title=d silent", L"--no-setup-dialog"}};
  StandIn quits_{{L"--title=e quits", L"--close-on-setup"}};
  Flockhand app_;
};

TEST_F(Unanswering, EveryOperationEndsWithinItsBoundAndServesTheLiveTerminals) {
  using Clock = std::chrono::steady_clock;
  const struct {
    const char* name;
    std::function<void()> act;
    std::function<bool()> done;  // the live terminals got what they should
    Millis within;               // pauses and bounds, and room for a loaded machine
  } steps[] = {
      {"keystroke",
       [&] {
         ClickWindow(P().commandBox);
         TypeText(L"k");
       },
       [&] { return LiveEvents(L"KEYDOWN") == 2; }, 2s},
      {"arrange", [&] { PressKey('L', kAlt); },
       [&] {  // cells 2 and 3 of 2 x 3
         const RECT a = WindowRect(Live(1)), b = WindowRect(Live(2));
         return a.left == 0 && a.top == 341 && a.right == 640 && b.left == 640 && b.top == 341 &&
                b.bottom == 682;
       },
       2s},
      {"flash",
       [&] {
         PressKey('F', kAlt);
         PressKey('B', kAlt);
       },
       [&] { return app_.Focus() == P().commandBox; }, 2s},
      {"menu bar off", [&] { PressKey('M', kAlt); },
       [&] { return LiveEvents(L"SETUPOK") == 2 && !IsWindow(quits_.Window()); }, 7s},
      {"menu bar on", [&] { PressKey('M', kAlt); },
       [&] { return WindowText(P().menuBar) == L"MenuBar Off"; }, 2s},
      {"front and flash the hung one", [&] { DoubleClick(ListRowPoint(P().terminalList, 1)); },
       [&] { return MarkedRows(P().terminalList) == std::vector<int>{1}; }, 2s},
      {"hide others", [&] { PressKey('H', kAlt); },
       [&] { return IsIconic(Live(1)) && IsIconic(Live(2)); }, 2s},
      {"refresh", [&] { PressKey(VK_F5); }, [&] { return ListRowCount(P().terminalList) == 4; },
       2s},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    ASSERT_TRUE(app_.Activate());
    const auto start = Clock::now();
    step.act();
    EXPECT_TRUE(WaitUntil(step.done, 10s));
    EXPECT_TRUE(app_.Answers(10s)) << "Flockhand does not answer";
    const auto took = std::chrono::duration_cast<Millis>(Clock::now() - start);
    EXPECT_LE(took.count(), step.within.count()) << "ms";
  }
  ASSERT_TRUE(live_.Sync());
  EXPECT_EQ(LiveEvents(L"KEYDOWN"), 2u);
  EXPECT_EQ(LiveEvents(L"SETUPOK"), 2u);
  EXPECT_EQ(Events(silent_.Record(), nullptr, L"SETUP").size(), 1u);
  EXPECT_TRUE(IsHungAppWindow(hung_.Window())) << "the hung terminal is still hung";
}

}  // namespace
}  // namespace e2e
