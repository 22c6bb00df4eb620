// Arranging real stand-in terminals on the two monitors (1280x1024 at 0,0 and 1024x768 at
// 1280,0), each terminal's rectangle read back: the arrange button and Alt+L in selection order,
// the ten quick-arrange keys on the second display, counts pasted into the boxes, and no display
// to arrange on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

std::string Text(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// Waits until window is in the normal state at expected (only its top-left corner when
// cornerOnly: a window keeps a minimum size).
::testing::AssertionResult IsAt(HWND window, const RECT& expected, bool cornerOnly = false) {
  RECT r{};
  const bool placed = WaitUntil(
      [&] {
        r = WindowRect(window);
        return !IsIconic(window) && !IsZoomed(window) && r.left == expected.left &&
               r.top == expected.top && (cornerOnly || EqualRect(&r, &expected));
      },
      5s);
  if (placed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "window at " << Text(r) << (IsIconic(window) ? " minimised" : "")
         << (IsZoomed(window) ? " maximised" : "") << ", expected " << Text(expected);
}

// Three selected terminals (normal, minimised, maximised) and one that is not selected.
class Arrangement : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const StandIn* t : {&tile1_, &tile2_, &tile3_, &other_}) {
      ASSERT_TRUE(t->Started()) << t->Error();
    }
    ASSERT_TRUE(app_.Ready());
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(P().terminalList) == 4; }, 5s));
    ASSERT_TRUE(app_.Activate());
    ClickWindow(P().filterBox);
    TypeText(L"tile");
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(P().terminalList) == 3; }, 5s));
    PressKey('A', kAlt);
    ASSERT_TRUE(WaitUntil([&] { return MarkedRows(P().terminalList).size() == 3; }, 5s));
    otherRect_ = WindowRect(other_.Window());
  }
  const Panel& P() const { return app_.Controls(); }
  std::vector<HWND> Tiles() const { return {tile1_.Window(), tile2_.Window(), tile3_.Window()}; }
  size_t CountLines(const std::wstring& line) {
    size_t count = 0;
    for (const std::wstring& l : app_.Process().DebugLines()) count += (l == line);
    return count;
  }
  bool OtherStayed() const {
    const RECT now = WindowRect(other_.Window());
    return other_.Sync() && EqualRect(&now, &otherRect_) && !IsIconic(other_.Window());
  }
  bool InFront() const {
    return WaitUntil([&] { return GetForegroundWindow() == app_.Main(); }, 5s);
  }

  StandIn tile1_{{L"--title=tile 1"}};
  StandIn tile2_{{L"--title=tile 2", L"--show=min"}};
  StandIn tile3_{{L"--title=tile 3", L"--show=max"}};
  StandIn other_{{L"--title=other", L"--pos=300,200,400,300"}};
  Flockhand app_;
  RECT otherRect_{};
};

TEST_F(Arrangement, ButtonAndAltLFillTheCellsInSelectionOrderAndFlockhandEndsInFront) {
  const RECT cells[] = {{0, 0, 640, 512}, {640, 0, 1280, 512}, {0, 512, 640, 1024}};
  ClickWindow(P().arrange);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsAt(Tiles()[i], cells[i])) << "tile " << i + 1;
  EXPECT_TRUE(InFront());
  EXPECT_EQ(CountLines(L"0, 0\n"), 1u);
  EXPECT_EQ(CountLines(L"tile 2: 640, 0\n"), 1u);
  EXPECT_TRUE(OtherStayed()) << "the terminal that is not selected does not move";
  // Reversed, the selection fills the cells the other way round.
  PressKey(VK_F4);
  ASSERT_TRUE(WaitUntil([&] { return ListRowText(P().terminalList, 0) == L"tile 3"; }, 5s));
  PressKey('L', kAlt);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsAt(Tiles()[2 - i], cells[i])) << "reversed, " << i;
  EXPECT_TRUE(InFront());
}

TEST_F(Arrangement, QuickArrangeKeysSetTheAreaAndKeepTheSecondDisplay) {
  ClickWindow(P().display);  // the second display: open the list, arrow down, Enter
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(P().display, CB_GETCURSEL, 0, 0) == 1; }, 5s));
  const RECT full[] = {{1280, 0, 1792, 384}, {1792, 0, 2304, 384}, {1280, 384, 1792, 768}};
  const RECT left[] = {{1280, 0, 1792, 192}, {1280, 192, 1792, 384}, {1280, 384, 1792, 576}};
  const RECT top[] = {{1280, 0, 1792, 192}, {1792, 0, 2304, 192}, {1280, 192, 1792, 384}};
  const RECT right[] = {{1792, 0, 2304, 192}, {1792, 192, 2304, 384}, {1792, 384, 2304, 576}};
  const RECT bottom[] = {{1280, 384, 1792, 576}, {1792, 384, 2304, 576}, {1280, 576, 1792, 768}};
  const struct {
    WORD key;
    int area;
    const RECT* cells;
  } keys[] = {{VK_NUMPAD4, 1, left},  {VK_NUMPAD5, 0, full},   {VK_NUMPAD8, 2, top},
              {VK_NUMPAD6, 3, right}, {VK_NUMPAD2, 4, bottom}, {VK_LEFT, 1, left},
              {VK_RETURN, 0, full},   {VK_UP, 2, top},         {VK_RIGHT, 3, right},
              {VK_DOWN, 4, bottom}};
  for (const auto& k : keys) {
    SCOPED_TRACE("key " + std::to_string(k.key));
    ASSERT_TRUE(app_.Activate());
    PressKey(k.key, kAlt);
    EXPECT_TRUE(
        WaitUntil([&] { return SendMessageW(P().area, CB_GETCURSEL, 0, 0) == k.area; }, 5s));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsAt(Tiles()[i], k.cells[i])) << "tile " << i + 1;
    ASSERT_TRUE(InFront());
  }
  EXPECT_EQ(SendMessageW(P().display, CB_GETCURSEL, 0, 0), 1) << "the display is kept";
  EXPECT_TRUE(OtherStayed());
}

// Counts pasted into the boxes (which filter typed keys only): each run is as quick as a plain
// 2 x 2, however large the counts.
TEST_F(Arrangement, AnyCountsInTheBoxesArrangeAtOnce) {
  const struct {
    const wchar_t *columns, *rows;
    RECT cells[3];
  } cases[] = {
      {L"1", L"1", {{0, 0, 1280, 256}, {0, 256, 1280, 512}, {0, 512, 1280, 768}}},
      {L"-3", L"0", {{0, 0, 1280, 341}, {0, 341, 1280, 682}, {0, 682, 1280, 1023}}},
      {L"99999", L"99999", {{0, 0, 1, 1}, {1, 0, 2, 1}, {2, 0, 3, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.columns) + " x " + Utf8(c.rows));
    SendMessageW(P().columnsEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.columns));
    SendMessageW(P().rowsEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.rows));
    const size_t runs = CountLines(L"0, 0\n");
    ASSERT_TRUE(app_.Activate());
    PressKey('L', kAlt);
    ASSERT_TRUE(WaitUntil([&] { return CountLines(L"0, 0\n") > runs; }, 5s));
    EXPECT_TRUE(app_.Answers(2s)) << "the run takes about its 150 ms pause";
    // One-pixel cells: a window keeps its minimum size, so only the corners are compared.
    const bool cornersOnly = c.cells[0].right == 1;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(IsAt(Tiles()[i], c.cells[i], cornersOnly));
  }
}

TEST_F(Arrangement, NoDisplayToArrangeOnMovesNothing) {
  const RECT before = WindowRect(tile1_.Window());
  SendMessageW(P().display, CB_RESETCONTENT, 0, 0);
  ASSERT_TRUE(app_.Activate());
  PressKey('L', kAlt);
  ClickWindow(P().arrange);
  PressKey(VK_F1);  // handled after both: its captions show that they are done
  ASSERT_TRUE(WaitUntil([&] { return WindowText(P().arrange) == L"並べる(L)"; }, 5s));
  ASSERT_TRUE(tile1_.Sync());
  const RECT after = WindowRect(tile1_.Window());
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(IsIconic(tile2_.Window())) << "nothing is restored either";
  EXPECT_EQ(CountLines(L"0, 0\n"), 0u);
}

}  // namespace
}  // namespace e2e
