// Window operations on stand-in terminals with real clicks and keys, rectangles read back
// (monitors 1280x1024 at 0,0 and 1024x768 at 1280,0); then all of them, F5 and keystrokes with a
// hung terminal, a closed one, one without a setup dialog and one that closes for it selected.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

// Waits until window is restored at exactly r.
bool IsAt(HWND window, const RECT& r) {
  return WaitUntil(
      [&] {
        const RECT a = WindowRect(window);
        return !IsIconic(window) && !IsZoomed(window) && EqualRect(&a, &r);
      },
      5s);
}

// Lines of event of window (nullptr: of all), "ACTIVATE 0" (a deactivation) not counted.
size_t Count(const StandIn& terminals, HWND window, const wchar_t* event) {
  size_t count = 0;
  for (const RecordLine& line : Events(terminals.Record(), window, event)) {
    count += line.args != L"0";
  }
  return count;
}

class WindowOps : public FlockhandTest {
 protected:
  // Starts Flockhand, waits for its rows, types filter and selects all rows it leaves.
  void StartWith(int rows, const wchar_t* filter, size_t selected) {
    ASSERT_TRUE(StartWithRows(rows));
    ASSERT_TRUE(Filter(filter));
    ASSERT_TRUE(app.SelectAll(selected));
  }
  bool Shows(HWND control, const wchar_t* text) {
    return WaitUntil([&] { return WindowText(control) == text; }, 5s);
  }
  bool InFront() const {
    return WaitUntil([&] { return GetForegroundWindow() == app.Main(); }, 5s);
  }
};

class Arrangement : public WindowOps {
 protected:
  void SetUp() override { StartWith(4, L"tile", 3); }
  HWND Tile(int i) const { return tiles_[i].Window(); }

  StandIn tiles_[3] = {StandIn({L"--title=tile 1"}), StandIn({L"--title=tile 2", L"--show=min"}),
                       StandIn({L"--title=tile 3", L"--show=max"})};
  StandIn other_{{L"--title=other", L"--pos=300,200,400,300"}};
};

TEST_F(Arrangement, CellsInSelectionOrderThenFlockhandInFrontAnyCountsAndNoDisplay) {
  const RECT cells[] = {{0, 0, 640, 512}, {640, 0, 1280, 512}, {0, 512, 640, 1024}};
  ClickWindow(P().arrange);  // a normal, a minimised and a maximised terminal, 2 x 2 cells
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsAt(Tile(i), cells[i])) << "tile " << i + 1;
  EXPECT_TRUE(InFront() && other_.Sync() && IsAt(other_.Window(), {300, 200, 700, 500}));
  EXPECT_EQ(app.Process().CountDebugLines(DebugLine(kArrangeOriginLine, 0, 0)) +
                app.Process().CountDebugLines(DebugLine(kTerminalPlacedLine, L"tile 2", 640, 0)),
            2u);
  PressKey(VK_F4);  // reversed, the selection takes the cells the other way round
  ASSERT_TRUE(WaitUntil([&] { return ListRowText(P().terminalList, 0) == L"tile 3"; }, 5s));
  PressKey('L', kAlt);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsAt(Tile(2 - i), cells[i])) << "reversed " << i;
  EXPECT_TRUE(InFront());
  for (HWND edit : {P().columnsEdit, P().rowsEdit}) {  // pasted, as quick as 2 x 2
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"99999"));
  }
  PressKey('L', kAlt);
  ASSERT_TRUE(
      app.Process().WaitForDebugLines(DebugLine(kTerminalPlacedLine, L"tile 1", 2, 0), 1, 5s));
  EXPECT_TRUE(app.Idle() && InFront());
  SendMessageW(P().display, CB_RESETCONTENT, 0, 0);  // no display: nothing moves
  ShowWindow(Tile(0), SW_MINIMIZE);
  ASSERT_TRUE(app.Activate());
  PressKey('L', kAlt);
  PressKey(VK_F1);  // handled after Alt+L: its captions show that Alt+L is done
  ASSERT_TRUE(Shows(P().arrange, L"並べる(L)") && tiles_[0].Sync());
  EXPECT_TRUE(IsIconic(Tile(0)) &&
              app.Process().CountDebugLines(DebugLine(kArrangeOriginLine, 0, 0)) == 3);
}

TEST_F(Arrangement, QuickArrangeKeysSetTheAreaAndKeepTheSecondDisplay) {
  ClickWindow(P().display);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(P().display, CB_GETCURSEL, 0, 0) == 1; }, 5s));
  const struct {
    WORD key;
    int area;
    RECT second;  // the cell of the second of three terminals (2 x 2, 1 x 4 or 2 x 2)
  } keys[] = {{VK_NUMPAD4, 1, {1280, 192, 1792, 384}}, {VK_NUMPAD5, 0, {1792, 0, 2304, 384}},
              {VK_NUMPAD8, 2, {1792, 0, 2304, 192}},   {VK_NUMPAD6, 3, {1792, 192, 2304, 384}},
              {VK_NUMPAD2, 4, {1792, 384, 2304, 576}}, {VK_LEFT, 1, {1280, 192, 1792, 384}},
              {VK_RETURN, 0, {1792, 0, 2304, 384}},    {VK_UP, 2, {1792, 0, 2304, 192}},
              {VK_RIGHT, 3, {1792, 192, 2304, 384}},   {VK_DOWN, 4, {1792, 384, 2304, 576}}};
  for (const auto& k : keys) {
    ASSERT_TRUE(app.Activate());
    PressKey(k.key, kAlt);
    EXPECT_TRUE(
        WaitUntil([&] { return SendMessageW(P().area, CB_GETCURSEL, 0, 0) == k.area; }, 5s));
    EXPECT_TRUE(IsAt(Tile(1), k.second) && InFront()) << "key " << k.key;
  }
  EXPECT_EQ(SendMessageW(P().display, CB_GETCURSEL, 0, 0), 1) << "the display is kept";
}

// Two live terminals among a hung one, one closed since the list was made, one that opens no
// setup dialog and one that closes when asked for it: every operation, F5 and keystrokes serve
// the live ones exactly as without the others, and end within their pauses and bounds.
class Operations : public WindowOps {
 protected:
  void SetUp() override {
    StartWith(6, L"", 6);
    gone_.Close();
  }
  HWND Live(int i) const { return live_.Window(i - 1); }  // "c live i" in row i + 1
  size_t Live(HWND window, const wchar_t* event) const { return Count(live_, window, event); }

  StandIn gone_{{L"--title=a gone"}};
  StandIn hung_{{L"--title=b hung", L"--hung"}};
  StandIn live_{{L"--title=c live", L"--count=2"}};
  StandIn silent_{{L"--title=d silent", L"--no-setup-dialog"}};
  StandIn quits_{{L"--title=e quits", L"--close-on-setup"}};
};

TEST_F(Operations, EachServesTheLiveTerminalsAndEndsWithinItsBound) {
  // Acts, waits until the live terminals show that it ran, then for the operation to be over within
  // the operation's pauses and bounds (with room for a loaded machine).
  const auto step = [&](const char* name, int withinMs, const std::function<void()>& act,
                        const std::function<bool()>& done) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(app.Activate());
    const auto start = std::chrono::steady_clock::now();
    act();
    EXPECT_TRUE(WaitUntil(done, 10s) && app.Idle());
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LE(std::chrono::duration_cast<Millis>(took).count(), withinMs);
  };
  step(
      "keystroke", 2000, [&] { ClickWindow(P().commandBox), TypeText(L"k"); },
      [&] { return Live(nullptr, L"KEYDOWN") == 2; });
  EXPECT_TRUE(live_.Sync() && Live(nullptr, L"KEYDOWN") == 2) << "the key, once each";
  step(
      "arrange", 2000, [&] { PressKey('L', kAlt); },  // cells 2 and 3 of 2 x 3
      [&] {
        return IsAt(Live(1), {0, 341, 640, 682}) && IsAt(Live(2), {640, 341, 1280, 682}) &&
               live_.Sync();
      });
  size_t activated[] = {Live(Live(1), L"ACTIVATE"), Live(Live(2), L"ACTIVATE")};
  step(
      "flash", 2000, [&] { PressKey('F', kAlt), PressKey('B', kAlt); },
      [&] { return app.Focus() == P().commandBox; });
  EXPECT_TRUE(live_.Sync() && Live(nullptr, L"ACTIVATE") == activated[0] + activated[1])
      << "flashing brings nothing forward";
  step(
      "menu bar off, with hints", 7000, [&] { PressKey(VK_F1), PressKey('M', kAlt); },
      [&] {
        return Live(nullptr, L"SETUPOK") == 2 && !IsWindow(quits_.Window()) &&
               WindowText(P().menuBar) == L"MenuBar On(M)" && InFront();
      });
  std::string setup;  // opened, filled and confirmed one after the other, titles kept
  for (const RecordLine& line : live_.Record()) {
    if (line.event.rfind(L"SETUP", 0) == 0) setup += Utf8(WindowText(line.window) + line.args);
  }
  EXPECT_EQ(setup,
            "c live 1c live 1menubar=hidden title=c live 1c live 2c live 2menubar=hidden title=c "
            "live 2");
  EXPECT_TRUE(!GetMenu(Live(1)) && !GetMenu(Live(2)));
  step(
      "menu bar on, without hints", 2000, [&] { PressKey(VK_F1), PressKey('M', kAlt); },
      [&] { return WindowText(P().menuBar) == L"MenuBar Off" && InFront() && live_.Sync(); });
  // On reads item 8 of each terminal's system menu: where another process's menu can be read
  // (Windows) its command arrives and shows the bar; under Wine it cannot, and nothing is sent.
  const bool readable = GetSystemMenu(Live(1), FALSE) != nullptr;
  for (HWND live : {Live(1), Live(2)}) {
    const auto commands = Events(live_.Record(), live, L"SYSCOMMAND");
    EXPECT_TRUE(readable ? commands.size() == 1 && commands[0].args == L"0xC440" && GetMenu(live)
                         : commands.empty() && !GetMenu(live));
  }
  activated[0] = Live(Live(1), L"ACTIVATE"), activated[1] = Live(Live(2), L"ACTIVATE");
  step(
      "double-click a live row", 2000, [&] { DoubleClick(ListRowPoint(P().terminalList, 3)); },
      [&] { return Live(Live(2), L"ACTIVATE") > activated[1] && InFront() && live_.Sync(); });
  EXPECT_EQ(Live(Live(1), L"ACTIVATE"), activated[0]) << "only that row's terminal came forward";
  step(
      "double-click the hung row", 2000, [&] { DoubleClick(ListRowPoint(P().terminalList, 1)); },
      [&] { return MarkedRows(P().terminalList) == std::vector<int>{1} && InFront(); });
  step(
      "hide others under a filter", 2000,
      [&] {
        ASSERT_TRUE(Filter(L"live 2"));
        PressKey('A', kAlt), PressKey('H', kAlt);
      },
      [&] { return IsIconic(Live(1)) && app.Focus() == P().commandBox && live_.Sync(); });
  EXPECT_FALSE(IsIconic(Live(2))) << "the selected terminal stays as it is";
  step(
      "hide others, nothing selected", 2000,
      [&] {
        ASSERT_TRUE(Filter(L"x"));  // no row left
        PressKey('H', kAlt);
      },
      [&] { return IsIconic(Live(2)) != FALSE; });
  step(
      "refresh", 2000, [&] { PressKey(VK_F5); },
      [&] { return ListRowCount(P().terminalList) == 4; });  // the closed two are gone
  ASSERT_TRUE(live_.Sync());
  EXPECT_EQ(Live(nullptr, L"SETUPOK"), 2u);
  EXPECT_TRUE(IsHungAppWindow(hung_.Window())) << "still hung, and never waited for";
}

}  // namespace
}  // namespace e2e
