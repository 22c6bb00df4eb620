// Selected terminals the keys do not reach as they are typed are named under the command box
// while it holds and framed in grey: a hung one, and one closed behind Flockhand's back (the live
// list off, as by default), which the next key names and skips. Wine has neither integrity levels
// that differ nor virtual desktops: the unit tests judge those terminals from fake looks.
#include <gtest/gtest.h>

#include "harness/capture.h"
#include "harness/flockhand_test.h"
#include "harness/record.h"
#include "harness/stand_in.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

constexpr uint32_t kAccent = 0xFFA000, kGrey = 0x969696;  // frames' inner rings
const std::wstring kHung = L"応答がないため、1 個のウィンドウにはキーがすぐには届きません\n・";
const std::wstring kGone = L"閉じられているため、1 個のウィンドウにはキーが届きません\n・";

class Reach : public FlockhandTest {
 protected:
  bool FramedIn(HWND terminal, uint32_t rgb) const {
    const RECT r = WindowRect(terminal);
    return WaitUntil([&] { return EdgesShowing(r, rgb) == 4; }, 5s);
  }
  // Until no notice of Flockhand's names a terminal (its controls' tips hold no line feed).
  bool NoticeOut(Millis timeout) {
    return WaitUntil(
        [&] {
          for (HWND tip : TopLevelWindows(app.Process().Pid(), L"tooltips_class32")) {
            if (IsWindowVisible(tip) && WindowText(tip).find(L'\n') != std::wstring::npos) {
              return false;
            }
          }
          return true;
        },
        timeout);
  }
};

TEST_F(Reach, AHungTerminalIsNamedAndGreyUntilItIsClosedAndRefreshedAway) {
  StandIn ok({L"--title=reach ok", L"--pos=450,100,400,300"});
  StandIn hung({L"--title=reach hung", L"--pos=900,100,350,300", L"--hung"});
  ASSERT_TRUE(ok.Started() && hung.Started());
  ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(hung.Window()) != FALSE; }, 20s));
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate() && app.SelectAll(2));
  EXPECT_TRUE(app.NoticeShows(kHung + L"reach hung", 2s));
  EXPECT_TRUE(FramedIn(hung.Window(), kGrey) && FramedIn(ok.Window(), kAccent));
  EXPECT_FALSE(NoticeOut(5s)) << "it stays past a short notice's 4 s";
  hung.Close();
  EXPECT_TRUE(app.NoticeShows(kGone + L"reach hung", 3s)) << "closed, it is named as gone";
  PressKey(VK_F5);
  EXPECT_TRUE(NoticeOut(5s)) << "refreshed, nothing selected is out of reach";
}

TEST_F(Reach, ATerminalClosedBehindItsBackIsNamedAndSkipped) {
  StandIn kept({L"--title=reach kept"});
  StandIn closed({L"--title=reach closed"});
  ASSERT_TRUE(kept.Started() && closed.Started());
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate() && app.SelectAll(2));
  const std::vector<std::wstring> rows = ListRows(app.Controls().terminalList);
  closed.Close();
  ASSERT_TRUE(app.ClickToFocus(app.Controls().commandBox));
  PressKey('A');
  EXPECT_TRUE(app.NoticeShows(kGone + L"reach closed", 2s));
  ASSERT_TRUE(kept.Sync());
  EXPECT_EQ(Events(kept.Record(), nullptr, L"KEYDOWN").size(), 1u) << kept.RecordText();
  EXPECT_EQ(ListRows(app.Controls().terminalList), rows) << "the rows stay as they were";
}

}  // namespace
}  // namespace e2e
