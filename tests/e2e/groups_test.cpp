// Saved groups against real stand-in terminals: saved from the list's menu into fkh.ini,
// recalled after Flockhand and the terminals have restarted, by key and from the menu, as a
// selection that broadcasts; a group with none of its terminals listed; removed and renamed
// from the menu; the options dialog's OK keeps the groups.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"
#include "base/resource_ids.h"

namespace e2e {
namespace {

// Written by hand before the first start: a group none of whose terminals exists.
const std::string kHandWritten = "[BASE]\r\nalpha = 90\r\n[Groups]\r\ngone = nowhere 1\r\n";
// "web=サーバー" with web 1, web 2 and 日本語: "=" and every non-ASCII unit escaped.
const std::string kWebLine = "web%3D%u30B5%u30FC%u30D0%u30FC = web 1,web 2,%u65E5%u672C%u8A9E\r\n";
const std::vector<int> kWebRows = {2, 3, 4};  // of db 1, db 2, web 1, web 2, 日本語

// Five terminals and Flockhand listing them, in a Documents folder that outlives them.
struct Session {
  StandIn db{{L"--title=db", L"--count=2"}};
  StandIn web{{L"--title=web", L"--count=2"}};
  StandIn japanese{{L"--title=日本語"}};
  Flockhand app;
  const Panel& P() const { return app.Controls(); }
  bool Ready() { return app.Ready() && app.WaitForRows(5, 10s) && app.Activate(); }
  // Opens the terminal list's menu (a right-click, or Shift+F10 in the focused list) and presses
  // the items' mnemonic keys.
  bool Choose(std::initializer_list<WORD> keys, bool byKeyboard = false) {
    if (byKeyboard) {
      const DWORD thread = GetWindowThreadProcessId(P().terminalList, nullptr);
      AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
      SetFocus(P().terminalList);
      AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
      PressKey(VK_F10, kShift);
    } else {
      RightClick(ListRowPoint(P().terminalList, 0));
    }
    if (!FindTopLevelWindow(app.Process().Pid(), L"#32768", 5s)) return false;
    for (WORD key : keys) PressKey(key);
    return true;
  }
  bool Marks(const std::vector<int>& rows) {
    return WaitUntil([&] { return MarkedRows(P().terminalList) == rows; }, 5s);
  }
};

bool FileIs(const ScopedDocumentsFolder& documents, const std::string& expected) {
  return WaitUntil([&] { return ReadFileBytes(documents.File(L"fkh.ini")) == expected; }, 5s);
}

TEST(Groups, SavedOnceRecalledAfterARestartByKeyAndMenu) {
  ScopedDocumentsFolder documents;
  ASSERT_TRUE(WriteFileBytes(documents.File(L"fkh.ini"), kHandWritten));
  {
    Session s;
    ASSERT_TRUE(s.Ready());
    PressKey('F', kAlt);  // db 1 and db 2 through the filter, then the other three inverted
    TypeText(L"db");
    PressKey('A', kAlt);
    for (int i = 0; i < 2; ++i) PressKey(VK_BACK);
    PressKey('R', kAlt);
    ASSERT_TRUE(s.Marks(kWebRows));
    ASSERT_TRUE(s.Choose({'S'}, true));
    HWND dialog = s.app.Dialog();
    ASSERT_EQ(WindowText(dialog), L"グループの保存");
    TypeText(L"web=サーバー");
    PressKey(VK_RETURN);
    ASSERT_TRUE(s.app.WaitForClosed(dialog));
    EXPECT_TRUE(FileIs(documents, kHandWritten + kWebLine)) << "[BASE] as it was";

    ASSERT_TRUE(s.Choose({'S'}));  // the same name again asks first; No keeps the group
    dialog = s.app.Dialog();
    TypeText(L"web=サーバー");
    PressKey(VK_RETURN);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          question = FindChild(FindTopLevelWindow(s.app.Process().Pid(), L"#32770", 0ms), L"Static",
                               L"グループ「web=サーバー」はすでにあります。置き換えますか？");
          return question != nullptr;
        },
        5s));
    ASSERT_TRUE(ClickUntilClosed(FindChildById(GetParent(question), IDNO), GetParent(question)));
    ASSERT_TRUE(IsWindow(dialog)) << "back in the name dialog";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(s.app.WaitForClosed(dialog));
    EXPECT_TRUE(FileIs(documents, kHandWritten + kWebLine));
  }

  Session s;  // Flockhand and the terminals started again: new windows, the same titles
  ASSERT_TRUE(s.Ready());
  PressKey('2', kAlt | kShift);
  ASSERT_TRUE(s.Marks(kWebRows));
  EXPECT_EQ(WindowText(s.P().counter), L"選択ウィンドウ数：  3  ");
  EXPECT_TRUE(IsWindowEnabled(s.P().arrange));
  PressKey('X');  // the focus is in the command box: the key goes to the group alone
  const auto got = [](const StandIn& terms) {
    terms.Sync();
    return Events(terms.Record(), nullptr, L"KEYDOWN").size();
  };
  EXPECT_TRUE(WaitUntil([&] { return got(s.web) == 2 && got(s.japanese) == 1; }, 5s));
  EXPECT_EQ(got(s.db), 0u);

  PressKey('1', kAlt | kShift);
  EXPECT_TRUE(s.Marks({}));
  EXPECT_TRUE(s.app.NoticeShows(L"グループ「gone」のウィンドウは一覧にありません。"));

  PressKey('F', kAlt);  // a filter that hides the group is cleared by the recall
  TypeText(L"db");
  ASSERT_TRUE(s.app.WaitForRows(2));
  ASSERT_TRUE(s.Choose({'2'}));
  EXPECT_TRUE(s.Marks(kWebRows));
  EXPECT_EQ(WindowText(s.P().filterBox), L"");

  ASSERT_TRUE(s.Choose({'D', '1'}));  // remove "gone", after a question
  const HWND question = s.app.Dialog();
  ASSERT_TRUE(ClickUntilClosed(FindChildById(question, IDYES), question) && s.app.Settle());
  EXPECT_TRUE(FileIs(documents, "[BASE]\r\nalpha = 90\r\n[Groups]\r\n" + kWebLine));

  ASSERT_TRUE(s.Choose({'N', '1'}));  // rename: the old name is offered, selected
  const HWND rename = s.app.Dialog();
  EXPECT_EQ(WindowText(rename), L"グループ名の変更");
  EXPECT_EQ(WindowText(GetDlgItem(rename, IDC_GROUP_NAME)), L"web=サーバー");
  TypeText(L"db;web [x]");
  PressKey(VK_RETURN);
  ASSERT_TRUE(s.app.WaitForClosed(rename));
  const std::string renamed = "db%3Bweb %5Bx%5D" + kWebLine.substr(kWebLine.find(" ="));
  EXPECT_TRUE(FileIs(documents, "[BASE]\r\nalpha = 90\r\n[Groups]\r\n" + renamed));

  PressKey('O', kAlt);  // the options dialog's OK rewrites [BASE] and keeps the groups
  const HWND options = s.app.Dialog();
  ASSERT_NE(options, nullptr);
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }, 10s));
  EXPECT_TRUE(FileIs(documents,
                     "[BASE]\r\npasteConfirm = TRUE\r\nforcePaste = TRUE\r\nalpha = 90\r\n"
                     "[Groups]\r\n" +
                         renamed));
}

}  // namespace
}  // namespace e2e
