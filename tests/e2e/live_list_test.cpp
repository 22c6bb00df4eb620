// The list that keeps itself current, against stand-in terminals: off, a snapshot; on, rows follow
// terminals that open, close and are renamed, the selection stays, nothing changes under a paste
// and a newcomer gets no keys until selected; the switch is kept through the options' OK and a
// restart.
#include <gtest/gtest.h>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using Rows = std::vector<std::wstring>;
const std::string kBase = "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = TRUE\r\nalpha = 90\r\n";
const std::string kOn = "[LIST]\r\nlive = TRUE\r\n";

class LiveList : public FlockhandTest {
 protected:
  void StartWith(const std::string& ini) {
    ASSERT_TRUE(WriteFileBytes(Ini(), ini));
    ASSERT_TRUE(Start());
  }
  std::wstring Ini() const { return docs_.File(L"fkh.ini"); }
  HWND List() const { return P().terminalList; }
  bool Shows(const Rows& rows) const {
    return WaitUntil([&] { return ListRows(List()) == rows; }, 5s);
  }
  // The window menu's item until fkh.ini reads `expected`: under Wine a key typed into a menu
  // that has just opened is now and then lost.
  bool Switch(const std::string& expected) const {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (app.Activate() && app.OpenSystemMenu()) PressKey('U');
      if (WaitUntil([&] { return ReadFileBytes(Ini()) == expected; }, 5s)) return true;
      PressKey(VK_ESCAPE);
    }
    return false;
  }
  static bool Got(const StandIn& terminals, const wchar_t* event, size_t count) {
    return terminals.WaitForRecord(
        [&](const auto& r) { return Events(r, nullptr, event).size() == count; }, 10s);
  }

  ScopedDocumentsFolder docs_;
};

// A single line goes to one terminal after the other at their pace: 600 take seconds.
TEST_F(LiveList, ATerminalOpenedDuringAPasteIsNotServedAndGetsNoKeysUntilSelected) {
  StandIn nodes({L"--title=node", L"--count=600"}, 60s);
  StartWith(kOn);
  ASSERT_TRUE(app.SelectAll(600, 20s) && app.ClickToFocus(P().commandBox));
  ASSERT_TRUE(SetClipboardText(L"date"));
  PressKey('V', kAlt);
  ASSERT_TRUE(Got(nodes, L"PASTECOMMAND", 1));
  StandIn late({L"--title=node late", L"--show=hidden"});  // shown, it would take the keys
  // Three times the look's period, while the paste still runs.
  EXPECT_FALSE(app.WaitForRows(601, 1500ms)) << "listed during the paste";
  ASSERT_LT(Events(nodes.Record(), nullptr, L"PASTECOMMAND").size(), 600u) << "the paste ended";
  EXPECT_TRUE(app.WaitForRows(601, 20s)) << "listed after it";
  EXPECT_TRUE(Got(nodes, L"PASTE", 600));
  TypeText(L"k");
  ASSERT_TRUE(Got(nodes, L"KEYDOWN", 600) && late.Sync());
  EXPECT_TRUE(Events(late.Record(), nullptr, L"PASTE").empty());
  EXPECT_TRUE(Events(late.Record(), nullptr, L"KEYDOWN").empty());
  PressKey('A', kAlt);
  TypeText(L"k");
  EXPECT_TRUE(Got(late, L"KEYDOWN", 1)) << "once selected";
}

// Off, the rows change only on F5; on, at once and then by themselves, a renamed row in its place
// and a new one where the order puts it; the selection changes only as a selected one closes.
TEST_F(LiveList, OffASnapshotOnTheRowsFollowAndTheSwitchIsKept) {
  StandIn a({L"--title=snap a"}), b({L"--title=snap b"});
  StartWith(kBase);
  ASSERT_TRUE(Shows({L"snap a", L"snap b"}));
  StandIn c({L"--title=snap c"});
  SetWindowTextW(a.Window(), L"snap z");
  // No message tells when a look would have been made: three times its period.
  EXPECT_FALSE(WaitUntil([&] { return ListRows(List()) != Rows{L"snap a", L"snap b"}; }, 1500ms));
  EXPECT_TRUE(Switch(kBase + kOn));
  EXPECT_TRUE(Shows({L"snap c", L"snap z", L"snap b"})) << Joined(ListRows(List()));
  ClickListRow(List(), 2);
  ASSERT_TRUE(WaitUntil([&] { return MarkedRows(List()) == std::vector<int>{2}; }, 5s));
  StandIn d({L"--title=snap d"});
  EXPECT_TRUE(Shows({L"snap c", L"snap d", L"snap z", L"snap b"})) << Joined(ListRows(List()));
  EXPECT_EQ(MarkedRows(List()), std::vector<int>{3}) << "snap b stays selected, snap d is not";
  b.Close();
  EXPECT_TRUE(Shows({L"snap c", L"snap d", L"snap z"}));
  EXPECT_TRUE(MarkedRows(List()).empty());
  EXPECT_EQ(WindowText(P().counter), L"選択ウィンドウ数：  0  ");
  EXPECT_FALSE(IsWindowEnabled(P().arrange));
  ASSERT_TRUE(app.Activate());
  PressKey('O', kAlt);
  ASSERT_NE(app.Dialog(), nullptr);
  PressKey(VK_RETURN);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(ReadFileBytes(Ini()), kBase + kOn) << "OK keeps LIST";
  StartWith(*ReadFileBytes(Ini()));
  StandIn late({L"--title=snap late"});
  EXPECT_TRUE(Shows({L"snap c", L"snap d", L"snap late", L"snap z"})) << "on after a restart";
  EXPECT_TRUE(Switch(kBase + "[LIST]\r\nlive = FALSE\r\n"));
}

}  // namespace
}  // namespace e2e
