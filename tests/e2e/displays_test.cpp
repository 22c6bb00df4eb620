// The display list and the grid suggestion: two monitors (a two-screen X display under Wine),
// display and work-area changes, and the column and row boxes following the selection and the
// two combo boxes, overwriting what the user typed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/monitors.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using Displays = FlockhandTest;
using GridSuggestion = FlockhandTest;

std::wstring DisplayLine(const Monitor& d) {
  return DebugLine(kDisplayLine, d.name.c_str(), static_cast<int>(d.work.left),
                   static_cast<int>(d.work.top), static_cast<int>(d.work.right),
                   static_cast<int>(d.work.bottom));
}

int Selected(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

// Picks the next item of a drop-down list as a user would: click it open, arrow down, Enter.
void PickNextItem(HWND combo) {
  ClickWindow(combo);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
}

::testing::AssertionResult ShowsGrid(const Panel& p, const wchar_t* columns, const wchar_t* rows) {
  if (WaitUntil(
          [&] { return WindowText(p.columnsEdit) == columns && WindowText(p.rowsEdit) == rows; },
          5s)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "grid " << Utf8(WindowText(p.columnsEdit)) << " x " << Utf8(WindowText(p.rowsEdit))
         << ", expected " << Utf8(columns) << " x " << Utf8(rows);
}

// A click that lands while a combo box's list is still closing only closes it: click again
// (slower than a double-click) until the edit has the focus.
void TypeInto(HWND edit, const wchar_t* text) {
  const DWORD thread = GetWindowThreadProcessId(edit, nullptr);
  WaitUntil(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == edit) return true;
        ClickWindow(edit);
        return false;
      },
      5s, 700ms);
  PressKey(VK_END);
  PressKey(VK_BACK);
  TypeText(text);
}

TEST_F(Displays, BothMonitorsAreListedAndWrittenToTheDebugOutput) {
  const std::vector<Monitor> displays = Monitors();
  ASSERT_EQ(displays.size(), 2u) << "the test display has two monitors";
  ASSERT_TRUE(Start());
  const HWND combo = app.Controls().display;
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
  for (int i = 0; i < 2; ++i) EXPECT_EQ(ComboItemText(combo, i), displays[i].name);
  EXPECT_EQ(Selected(combo), 0);
  const std::vector<std::wstring> lines = app.Process().DebugLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], DebugLine(kDisplayCountLine, 2));
  EXPECT_EQ(Utf8(lines[1]), Utf8(DisplayLine(displays[0])));
  EXPECT_EQ(Utf8(lines[2]), Utf8(DisplayLine(displays[1])));
}

TEST_F(Displays, DisplayAndWorkAreaChangesSelectTheFirstDisplayAgain) {
  StandIn terminal({L"--title=solo"});
  ASSERT_TRUE(terminal.Started()) << terminal.Error();
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  ASSERT_TRUE(app.SelectAll(1));  // selecting enables the display list
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(p.display) != FALSE; }, 5s));
  const std::wstring countLine = DebugLine(kDisplayCountLine, 2);

  PickNextItem(p.display);
  ASSERT_TRUE(WaitUntil([&] { return Selected(p.display) == 1; }, 5s)) << "second display picked";
  PostMessageW(app.Main(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
  EXPECT_TRUE(WaitUntil([&] { return Selected(p.display) == 0; }, 5s));
  EXPECT_EQ(app.Process().CountDebugLines(countLine), 2u) << "the displays were listed again";

  // Another kind of setting change leaves the list alone.
  PickNextItem(p.display);
  ASSERT_TRUE(WaitUntil([&] { return Selected(p.display) == 1; }, 5s));
  SendMessageW(app.Main(), WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
  EXPECT_EQ(Selected(p.display), 1);
  EXPECT_EQ(app.Process().CountDebugLines(countLine), 2u);
  // A work-area change (the task bar moved) refreshes it.
  SendMessageW(app.Main(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_EQ(Selected(p.display), 0);
  EXPECT_EQ(app.Process().CountDebugLines(countLine), 3u);
}

TEST_F(GridSuggestion, FollowsTheSelectionAndTheAreaAndOverwritesTypedValues) {
  StandIn terminals({L"--title=grid", L"--count=12"});
  ASSERT_TRUE(terminals.Started()) << terminals.Error();
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  ASSERT_TRUE(app.WaitForRows(12));
  EXPECT_TRUE(ShowsGrid(p, L"2", L"2")) << "nothing selected, whole area";
  ASSERT_TRUE(app.SelectAll(12));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(p.counter) == L"選択ウィンドウ数：  12 "; }, 5s));
  EXPECT_TRUE(ShowsGrid(p, L"3", L"4")) << "12 selected, whole area";
  PickNextItem(p.area);  // left half
  ASSERT_TRUE(WaitUntil([&] { return Selected(p.area) == 1; }, 5s));
  EXPECT_TRUE(ShowsGrid(p, L"2", L"6")) << "12 selected, left half";
  PickNextItem(p.area);  // top half
  EXPECT_TRUE(ShowsGrid(p, L"3", L"4")) << "12 selected, top half";

  TypeInto(p.columnsEdit, L"7");
  ASSERT_TRUE(ShowsGrid(p, L"7", L"4")) << "the user's value stands until the next suggestion";
  PickNextItem(p.display);
  EXPECT_TRUE(ShowsGrid(p, L"3", L"4")) << "picking another display overwrites the 7";

  // One terminal fewer: a change of the selection reruns the suggestion.
  TypeInto(p.rowsEdit, L"8");
  ASSERT_TRUE(ShowsGrid(p, L"3", L"8"));
  ClickListRow(p.terminalList, 0, kCtrl);
  EXPECT_TRUE(ShowsGrid(p, L"3", L"4")) << "11 selected, top half";
}

TEST_F(GridSuggestion, FiftyFiveSelectedKeepWhatTheBoxesHold) {
  StandIn terminals({L"--title=many", L"--count=55"});
  ASSERT_TRUE(terminals.Started()) << terminals.Error();
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  ASSERT_TRUE(app.SelectAll(55, 10s));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(p.counter) == L"選択ウィンドウ数：  55 "; }, 5s));
  EXPECT_TRUE(ShowsGrid(p, L"2", L"2")) << "55 selected: the start-up suggestion stays";
  TypeInto(p.columnsEdit, L"7");
  ASSERT_TRUE(ShowsGrid(p, L"7", L"2"));
  PickNextItem(p.area);
  ASSERT_TRUE(WaitUntil([&] { return Selected(p.area) == 1; }, 5s));
  EXPECT_TRUE(ShowsGrid(p, L"7", L"2")) << "no suggestion for 55 terminals";
}

}  // namespace
}  // namespace e2e
