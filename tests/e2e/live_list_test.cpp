// The list that keeps itself current, against real stand-in terminals: rows follow terminals that
// open, close and are renamed without F5 and the selection stays; nothing changes under a paste,
// and a newcomer gets no keys until selected; with the switch off the list is a snapshot; the
// switch is kept in fkh.ini through a restart and the options dialog's OK.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

const std::string kBase = "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = TRUE\r\nalpha = 90\r\n";
const std::string kOn = "[LIST]\r\nlive = TRUE\r\n";

class LiveList : public ::testing::Test {
 protected:
  void Start(const std::string& ini) {
    ASSERT_TRUE(WriteFileBytes(Ini(), ini));
    app_ = std::make_unique<Flockhand>();
    ASSERT_TRUE(app_->Ready());
  }
  std::wstring Ini() const { return docs_.File(L"fkh.ini"); }
  HWND List() const { return app_->Controls().terminalList; }
  ::testing::AssertionResult Shows(const std::vector<std::wstring>& rows) const {
    if (WaitUntil([&] { return ListRows(List()) == rows; }, 5s)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "rows " << Joined(ListRows(List()));
  }
  // The system menu's item, by its mnemonic, until fkh.ini reads `expected`: under Wine a key
  // typed into a menu that has just opened is now and then lost.
  bool Switch(const std::string& expected) const {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (app_->Activate() && app_->OpenSystemMenu()) PressKey('U');
      if (WaitUntil([&] { return ReadFileBytes(Ini()) == expected; }, 5s)) return true;
      PressKey(VK_ESCAPE);
    }
    return false;
  }
  size_t Count(const StandIn& terminals, const wchar_t* event) const {
    return Events(terminals.Record(), nullptr, event).size();
  }

  ScopedDocumentsFolder docs_;
  std::unique_ptr<Flockhand> app_;
};

TEST_F(LiveList, RowsFollowOpenRenameAndCloseAndTheSelectionStays) {
  StandIn a({L"--title=live a"}), c({L"--title=live c"});
  Start(kOn);
  ASSERT_TRUE(Shows({L"live a", L"live c"}) && app_->Activate());
  ClickListRow(List(), 1);
  ASSERT_TRUE(WaitUntil([&] { return MarkedRows(List()) == std::vector<int>{1}; }, 5s));
  StandIn b({L"--title=live b"});
  EXPECT_TRUE(Shows({L"live a", L"live b", L"live c"}));
  EXPECT_EQ(MarkedRows(List()), std::vector<int>{2}) << "live c stays selected, live b is not";
  SetWindowTextW(a.Window(), L"live z");
  EXPECT_TRUE(Shows({L"live z", L"live b", L"live c"})) << "a renamed row keeps its place";
  c.Close();
  EXPECT_TRUE(Shows({L"live z", L"live b"}));
  EXPECT_TRUE(MarkedRows(List()).empty());
  EXPECT_EQ(WindowText(app_->Controls().counter), L"選択ウィンドウ数：  0  ");
  EXPECT_FALSE(IsWindowEnabled(app_->Controls().arrange));
}

// A single line goes to one terminal every 100 ms: sixty take six seconds.
TEST_F(LiveList, ATerminalOpenedDuringAPasteIsNotServedAndGetsNoKeysUntilSelected) {
  StandIn nodes({L"--title=node", L"--count=60"});
  Start(kOn);
  ASSERT_TRUE(app_->SelectAll(60, 10s) && app_->ClickToFocus(app_->Controls().commandBox));
  ASSERT_TRUE(SetClipboardText(L"date"));
  PressKey('V', kAlt);
  ASSERT_TRUE(
      nodes.WaitForRecord([&](auto& r) { return !Events(r, nullptr, L"PASTE").empty(); }, 5s));
  StandIn late({L"--title=node late", L"--show=hidden"});  // shown, it would take the keys
  // Three times the look's period, while the paste still runs.
  EXPECT_FALSE(app_->WaitForRows(61, 1500ms)) << "listed during the paste";
  ASSERT_LT(Count(nodes, L"PASTECOMMAND"), 60u) << "the paste was over too soon to tell";
  EXPECT_TRUE(app_->WaitForRows(61, 10s)) << "listed after it";
  EXPECT_TRUE(
      nodes.WaitForRecord([&](auto& r) { return Events(r, nullptr, L"PASTE").size() == 60; }, 5s));
  TypeText(L"k");
  ASSERT_TRUE(nodes.WaitForRecord(
      [&](auto& r) { return Events(r, nullptr, L"KEYDOWN").size() == 60; }, 5s));
  ASSERT_TRUE(late.Sync());
  EXPECT_EQ(Count(late, L"PASTE") + Count(late, L"KEYDOWN"), 0u);
  PressKey('A', kAlt);
  TypeText(L"k");
  EXPECT_TRUE(
      late.WaitForRecord([&](auto& r) { return !Events(r, nullptr, L"KEYDOWN").empty(); }, 5s));
}

TEST_F(LiveList, OffTheListChangesOnlyOnF5) {
  StandIn a({L"--title=snap a"}), b({L"--title=snap b"});
  Start(kBase);
  ASSERT_TRUE(Shows({L"snap a", L"snap b"}));
  StandIn c({L"--title=snap c"});
  SetWindowTextW(a.Window(), L"snap z");
  b.Close();
  // No message tells when a look would have been made: three times its period.
  EXPECT_FALSE(WaitUntil(
      [&] {
        return ListRows(List()) != std::vector<std::wstring>{L"snap a", L"snap b"};
      },
      1500ms));
  ASSERT_TRUE(app_->Activate());
  PressKey(VK_F5);
  EXPECT_TRUE(Shows({L"snap c", L"snap z"}));
}

TEST_F(LiveList, SwitchIsKeptInItsOwnSectionThroughOkAndARestart) {
  Start(kBase);
  EXPECT_TRUE(Switch(kBase + kOn));
  PressKey('O', kAlt);
  ASSERT_NE(app_->Dialog(), nullptr);
  PressKey(VK_RETURN);
  ASSERT_TRUE(app_->Settle());
  EXPECT_EQ(ReadFileBytes(Ini()), kBase + kOn) << "OK rewrites BASE as it was and keeps LIST";
  app_.reset();
  app_ = std::make_unique<Flockhand>();
  ASSERT_TRUE(app_->Ready());
  StandIn late({L"--title=late"});
  EXPECT_TRUE(Shows({L"late"})) << "on after a restart";
  EXPECT_TRUE(Switch(kBase + "[LIST]\r\nlive = FALSE\r\n"));
}

}  // namespace
}  // namespace e2e
