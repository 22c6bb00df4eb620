// The panel's modes driven with real input: compact mode from the compact button, the list
// caption and Alt+E; caption hints on F1; the summon hot key; the picture buttons.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "harness/capture.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using CompactMode = FlockhandTest;
using CaptionHints = FlockhandTest;
using Summon = FlockhandTest;
using SystemMenu = FlockhandTest;
using Focus = FlockhandTest;
using ImageButtons = FlockhandTest;

int OuterHeight(HWND window) {
  const RECT r = WindowRect(window);
  return r.bottom - r.top;
}

bool WaitForHeight(HWND window, int height) {
  return WaitUntil([&] { return OuterHeight(window) == height; }, 5s);
}

TEST_F(CompactMode, CompactButtonAndListCaptionToggleAndRestoreTheHeight) {
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  ASSERT_TRUE(app.Activate());

  ClickWindow(p.compactButton);
  ASSERT_TRUE(WaitForHeight(app.Main(), 95))
      << "compact mode makes the window 95 high, got " << OuterHeight(app.Main());
  for (HWND hidden : {p.filterBox, p.terminalList, p.reverseOrder, p.invertSelection, p.flash,
                      p.group, p.refresh, p.help, p.counter}) {
    EXPECT_FALSE(IsWindowVisible(hidden));
  }
  for (HWND shown : {p.commandBox, p.compactButton, p.listCaption}) {
    EXPECT_TRUE(IsWindowVisible(shown));
  }

  DoubleClick(Center(WindowRect(p.listCaption)));
  ASSERT_TRUE(WaitForHeight(app.Main(), 370)) << "a double-click on the caption leaves it";
  EXPECT_TRUE(IsWindowVisible(p.terminalList));
  EXPECT_TRUE(IsWindowVisible(p.group));

  // Made taller by the user, the window comes back to that height.
  const RECT before = WindowRect(app.Main());
  SetWindowPos(app.Main(), nullptr, 0, 0, before.right - before.left, 520,
               SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitForHeight(app.Main(), 520));
  DoubleClick(Center(WindowRect(p.listCaption)));
  ASSERT_TRUE(WaitForHeight(app.Main(), 95));
  EXPECT_EQ(WindowRect(app.Main()).left, before.left) << "only the height changes";
  EXPECT_EQ(WindowRect(app.Main()).top, before.top);
  ClickWindow(p.compactButton);
  EXPECT_TRUE(WaitForHeight(app.Main(), 520)) << "got " << OuterHeight(app.Main());
}

TEST_F(CompactMode, AltEToggles) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate());
  PressKey('E', kAlt);
  ASSERT_TRUE(WaitForHeight(app.Main(), 95));
  PressKey('E', kAlt);
  EXPECT_TRUE(WaitForHeight(app.Main(), 370));
}

// Drags the bottom-right corner (or the right edge) of the window by dx, dy.
RECT DragCornerBy(HWND window, int dx, int dy, bool rightEdge = false) {
  const RECT r = WindowRect(window);
  const POINT corner{r.right - 2, rightEdge ? (r.top + r.bottom) / 2 : r.bottom - 2};
  Drag(corner, {corner.x + dx, corner.y + dy});
  // The sizing loop follows the moves one by one: wait until the size has settled.
  RECT last = r;
  int stableReads = 0;
  WaitUntil(
      [&] {
        const RECT now = WindowRect(window);
        stableReads = (EqualRect(&now, &last) && !EqualRect(&now, &r)) ? stableReads + 1 : 0;
        last = now;
        return stableReads >= 5;
      },
      3s, 50ms);
  return last;
}

TEST_F(CompactMode, SizeLimitsInBothModes) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate());
  SetWindowPos(app.Main(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitForHeight(app.Main(), 500));
  RECT dragged = DragCornerBy(app.Main(), -400, -400);
  EXPECT_EQ(dragged.right - dragged.left, 420) << "full mode stops at 420 wide";
  EXPECT_EQ(dragged.bottom - dragged.top, 370) << "full mode stops at 370 high";

  // A click, not Alt+E: Wine enters menu mode when Alt is released after an accelerator.
  ClickWindow(app.Controls().compactButton);
  ASSERT_TRUE(WaitForHeight(app.Main(), 95));
  SetWindowPos(app.Main(), nullptr, 0, 0, 600, 95, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil(
      [&] { return WindowRect(app.Main()).right - WindowRect(app.Main()).left == 600; }, 5s));
  dragged = DragCornerBy(app.Main(), -100, 0, true);
  EXPECT_EQ(dragged.right - dragged.left, 500) << "compact mode changes only the width";
  EXPECT_EQ(dragged.bottom - dragged.top, 95);
  dragged = DragCornerBy(app.Main(), -400, 0, true);
  EXPECT_EQ(dragged.right - dragged.left, 420);
  EXPECT_EQ(dragged.bottom - dragged.top, 95);
  dragged = DragCornerBy(app.Main(), 100, 200);
  EXPECT_EQ(dragged.bottom - dragged.top, 95) << "the corner cannot change the height";
}

TEST_F(CaptionHints, F1ShowsTheKeysAndF1AgainRestoresEveryCaption) {
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  ASSERT_TRUE(app.Activate());
  const struct {
    HWND button;
    const wchar_t* plain;
    const wchar_t* hinted;
  } buttons[] = {
      {p.reverseOrder, L"並び順を反転", L"並び順を反転(F4)"},
      {p.invertSelection, L"選択を反転", L"選択を反転(R)"},
      {p.flash, L"点滅", L"点滅(B)"},
      {p.refresh, L"TeraTermウィンドウ更新", L"TeraTermウィンドウ更新(F5)"},
      {p.menuBar, L"MenuBar Off", L"MenuBar Off(M)"},
      {p.arrange, L"並べる", L"並べる(L)"},
      {p.hideOthers, L"他を隠す", L"他を隠す(H)"},
  };
  PressKey(VK_F1);
  for (const auto& b : buttons) {
    EXPECT_TRUE(WaitUntil([&] { return WindowText(b.button) == b.hinted; }, 3s))
        << "expected " << Utf8(b.hinted) << ", got " << Utf8(WindowText(b.button));
  }
  PressKey(VK_F1);
  for (const auto& b : buttons) {
    EXPECT_TRUE(WaitUntil([&] { return WindowText(b.button) == b.plain; }, 3s))
        << "expected " << Utf8(b.plain) << ", got " << Utf8(WindowText(b.button));
  }
}

TEST_F(Summon, CtrlShiftTRestoresAMinimisedFadedWindowWithFocusInTheCommandBox) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(SetLayeredWindowAttributes(app.Main(), 0, 128, LWA_ALPHA));
  ASSERT_EQ(WindowAlpha(app.Main()), 128);
  ShowWindow(app.Main(), SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(app.Main()) != FALSE; }, 5s));
  PressKey('T', kCtrl | kShift);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(app.Main()); }, 5s)) << "still minimised";
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app.Main(); }, 5s));
  EXPECT_TRUE(app.WaitForFocus(app.Controls().commandBox)) << "focus should be in the command box";
  EXPECT_EQ(WindowAlpha(app.Main()), 255) << "the summoned window is fully opaque";
}

// The two items appended to the system menu make a faded window opaque before their dialogs.
TEST_F(SystemMenu, OptionsAndAboutItemsMakeTheWindowOpaque) {
  ASSERT_TRUE(Start());
  for (WORD mnemonic : {'O', 'A'}) {
    SCOPED_TRACE(static_cast<char>(mnemonic));
    ASSERT_TRUE(app.Activate());
    ASSERT_TRUE(SetLayeredWindowAttributes(app.Main(), 0, 100, LWA_ALPHA));
    ASSERT_EQ(WindowAlpha(app.Main()), 100);
    ASSERT_TRUE(app.OpenSystemMenu()) << "Alt+Space opens the system menu";
    PressKey(mnemonic);
    EXPECT_TRUE(app.WaitForAlpha(255));
    if (mnemonic != 'O') continue;
    // The options dialog opens on the opaque window; closed, the next item can be chosen.
    HWND dialog = app.Dialog();
    ASSERT_NE(dialog, nullptr) << "the item opens the options dialog";
    EXPECT_EQ(WindowAlpha(app.Main()), 255);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(app.WaitForClosed(dialog));
  }
}

TEST_F(Focus, AltIAndAltFMoveTheFocus) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate());
  PressKey('F', kAlt);
  EXPECT_TRUE(app.WaitForFocus(app.Controls().filterBox));
  PressKey('I', kAlt);
  EXPECT_TRUE(app.WaitForFocus(app.Controls().commandBox));
}

TEST_F(ImageButtons, CompactButtonShowsTheChevronOfItsMode) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate());
  const Panel& p = app.Controls();
  Capture up;
  ASSERT_TRUE(WaitForCapture(p.compactButton, up, [](const Capture& c) {
    return CountColours(c) > 1;
  })) << "the compact button shows no picture";
  Capture help = CaptureWindow(p.help);
  size_t bluish = 0;
  for (uint32_t pixel : help.pixels) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    if (b > 150 && b > r + 60 && b > g + 30) ++bluish;
  }
  EXPECT_GT(bluish, 40u) << "the help button shows its blue disc";

  PressKey('E', kAlt);
  ASSERT_TRUE(WaitForHeight(app.Main(), 95));
  Capture now;
  ASSERT_TRUE(WaitForCapture(p.compactButton, now, [&](const Capture& c) {
    return CountDifferentPixels(up, c) > 10;
  })) << "compact mode shows the other chevron";
  PressKey('E', kAlt);
  ASSERT_TRUE(WaitForHeight(app.Main(), 370));
  EXPECT_TRUE(WaitForCapture(p.compactButton, now, [&](const Capture& c) {
    return CountDifferentPixels(up, c) == 0;
  })) << "back in full mode the up chevron returns";
}

size_t PrivateBytes(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof(counters));
  CloseHandle(process);
  // Wine reports the committed private memory as the page-file usage.
  return counters.PagefileUsage;
}

TEST_F(ImageButtons, RepeatedPaintingUsesNoMoreMemory) {
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  auto paintMany = [&](int times) {
    for (int i = 0; i < times; ++i) {
      for (HWND button : {p.compactButton, p.help}) {
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      }
    }
  };
  paintMany(50);
  const size_t before = PrivateBytes(app.Process().Pid());
  ASSERT_GT(before, 0u);
  paintMany(2000);
  const size_t after = PrivateBytes(app.Process().Pid());
  EXPECT_LT(after, before + 256 * 1024)
      << "4000 paints grew private memory from " << before << " to " << after << " bytes";
}

}  // namespace
}  // namespace e2e
