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
#include "harness/flockhand_test.h"
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

// Five terminals, for a Flockhand that lists them, in a Documents folder that outlives them.
struct Terminals {
  StandIn db{{L"--title=db", L"--count=2"}};
  StandIn web{{L"--title=web", L"--count=2"}};
  StandIn japanese{{L"--title=日本語"}};
};

class Groups : public FlockhandTest {
 protected:
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

TEST_F(Groups, SavedOnceRecalledAfterARestartByKeyAndMenu) {
  ScopedDocumentsFolder documents;
  ASSERT_TRUE(WriteFileBytes(documents.File(L"fkh.ini"), kHandWritten));
  {
    const Terminals first;
    ASSERT_TRUE(StartWithRows(5, 10s));
    ASSERT_TRUE(Filter(L"db"));  // db 1 and db 2 through the filter, then the other three inverted
    PressKey('A', kAlt);
    for (int i = 0; i < 2; ++i) PressKey(VK_BACK);
    PressKey('R', kAlt);
    ASSERT_TRUE(Marks(kWebRows));
    ASSERT_TRUE(Choose({'S'}, true));
    HWND dialog = app.Dialog();
    ASSERT_EQ(WindowText(dialog), L"グループの保存");
    TypeText(L"web=サーバー");
    PressKey(VK_RETURN);
    ASSERT_TRUE(app.WaitForClosed(dialog));
    EXPECT_TRUE(FileIs(documents, kHandWritten + kWebLine)) << "[BASE] as it was";

    ASSERT_TRUE(Choose({'S'}));  // the same name again asks first; No keeps the group
    dialog = app.Dialog();
    TypeText(L"web=サーバー");
    PressKey(VK_RETURN);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
          question = FindChild(FindTopLevelWindow(app.Process().Pid(), L"#32770", 0ms), L"Static",
                               L"グループ「web=サーバー」はすでにあります。置き換えますか？");
          return question != nullptr;
        },
        5s));
    ASSERT_TRUE(ClickUntilClosed(FindChildById(GetParent(question), IDNO), GetParent(question)));
    ASSERT_TRUE(IsWindow(dialog)) << "back in the name dialog";
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(app.WaitForClosed(dialog));
    EXPECT_TRUE(FileIs(documents, kHandWritten + kWebLine));
    app.End();  // before its terminals close
  }

  const Terminals t;  // Flockhand and the terminals started again: new windows, the same titles
  ASSERT_TRUE(StartWithRows(5, 10s));
  PressKey('2', kAlt | kShift);
  ASSERT_TRUE(Marks(kWebRows));
  EXPECT_EQ(WindowText(P().counter), L"選択ウィンドウ数：  3  ");
  EXPECT_TRUE(IsWindowEnabled(P().arrange));
  PressKey('X');  // the focus is in the command box: the key goes to the group alone
  const auto got = [](const StandIn& terms) {
    terms.Sync();
    return Events(terms.Record(), nullptr, L"KEYDOWN").size();
  };
  EXPECT_TRUE(WaitUntil([&] { return got(t.web) == 2 && got(t.japanese) == 1; }, 5s));
  EXPECT_EQ(got(t.db), 0u);

  PressKey('1', kAlt | kShift);
  EXPECT_TRUE(Marks({}));
  EXPECT_TRUE(app.NoticeShows(L"グループ「gone」のウィンドウは一覧にありません。"));

  ASSERT_TRUE(Filter(L"db"));  // a filter that hides the group is cleared by the recall
  ASSERT_TRUE(app.WaitForRows(2));
  ASSERT_TRUE(Choose({'2'}));
  EXPECT_TRUE(Marks(kWebRows));
  EXPECT_EQ(WindowText(P().filterBox), L"");

  ASSERT_TRUE(Choose({'D', '1'}));  // remove "gone", after a question
  const HWND question = app.Dialog();
  ASSERT_TRUE(ClickUntilClosed(FindChildById(question, IDYES), question) && app.Settle());
  EXPECT_TRUE(FileIs(documents, "[BASE]\r\nalpha = 90\r\n[Groups]\r\n" + kWebLine));

  ASSERT_TRUE(Choose({'N', '1'}));  // rename: the old name is offered, selected
  const HWND rename = app.Dialog();
  EXPECT_EQ(WindowText(rename), L"グループ名の変更");
  EXPECT_EQ(WindowText(GetDlgItem(rename, IDC_GROUP_NAME)), L"web=サーバー");
  TypeText(L"db;web [x]");
  PressKey(VK_RETURN);
  ASSERT_TRUE(app.WaitForClosed(rename));
  const std::string renamed = "db%3Bweb %5Bx%5D" + kWebLine.substr(kWebLine.find(" ="));
  EXPECT_TRUE(FileIs(documents, "[BASE]\r\nalpha = 90\r\n[Groups]\r\n" + renamed));

  PressKey('O', kAlt);  // the options dialog's OK rewrites [BASE] and keeps the groups
  const HWND options = app.Dialog();
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
