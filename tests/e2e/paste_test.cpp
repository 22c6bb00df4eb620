// Clipboard pastes from the command box to stand-in terminals: every path by the clipboard's text
// and the paste settings, with what each terminal pasted and that each was served only once the
// one before had read the clipboard; the confirmation dialog; a hung terminal; a command box that
// never takes the text itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

DWORD PostTime(const RecordLine& command) { return std::stoul(command.args); }

// Terminals "node 1" to "node N" (after those of `first`, if given) all selected in a Flockhand
// with the given paste settings, the focus in its command box.
class PasteTest : public FlockhandTest {
 protected:
  void StartWith(bool pasteConfirm, bool forcePaste, bool nodesConfirm,
                 std::vector<std::wstring> first = {}, int nodes = 3) {
    app.End(), first_.reset(), nodes_.reset();
    const auto flag = [](bool on) { return on ? "TRUE" : "FALSE"; };
    ASSERT_TRUE(WriteFileBytes(docs_.File(L"fkh.ini"), std::string("[BASE]\npasteConfirm = ") +
                                                           flag(pasteConfirm) +
                                                           "\nforcePaste = " + flag(forcePaste)));
    if (!first.empty()) first_ = std::make_unique<StandIn>(first);
    std::vector<std::wstring> args = {L"--title=node", L"--count=" + std::to_wstring(nodes)};
    if (nodesConfirm) args.push_back(L"--confirm-paste");
    nodes_ = std::make_unique<StandIn>(args, 60s);
    ASSERT_TRUE(nodes_->Started() && (!first_ || first_->Started())) << nodes_->Error();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(app.SelectAll(nodes + (first_ ? 1 : 0), 20s) && app.ClickToFocus(Box(), 10s));
  }
  HWND Box() const { return P().commandBox; }
  bool FocusIn(HWND control) const { return app.WaitForFocus(control, 10s); }
  // A right-button click in the command box, or Alt+V.
  void Paste(bool altV) const {
    altV ? PressKey('V', kAlt) : RightClick(Center(WindowRect(Box())));
  }
  HWND ConfirmDialog(Millis timeout) const { return app.Dialog(timeout); }
  std::vector<RecordLine> WaitForPastes(size_t count) const {
    nodes_->WaitForRecord(
        [&](const std::vector<RecordLine>& r) {
          return Events(r, nullptr, L"PASTE").size() >= count;
        },
        60s);
    nodes_->Sync(20s);
    return nodes_->Record();
  }
  // The paste lines of the record, each with its node's title: one terminal after the other in
  // title order gives "PASTECOMMAND node 1", ["PASTECONFIRM node 1",] "PASTE node 1",
  // "PASTECOMMAND node 10", ...
  std::vector<std::wstring> Served(const std::vector<RecordLine>& record) const {
    std::map<HWND, std::wstring> titles;
    for (const RecordLine& ready : Events(record, nullptr, L"READY")) titles[ready.window] = ready.args;
    std::vector<std::wstring> course;
    for (const RecordLine& line : record) {
      if (line.event.rfind(L"PASTE", 0) == 0) course.push_back(line.event + L" " + titles[line.window]);
    }
    return course;
  }

  ScopedDocumentsFolder docs_;
  std::unique_ptr<StandIn> first_, nodes_;
};

enum class Course { Nothing, Dialog, Pasted, Confirmed };

// Every path pastes to 200 terminals, one after the other, each once, none failing to read the
// clipboard.
TEST_F(PasteTest, EveryPathByTextAndSettings) {
  const BITMAPINFOHEADER dib{sizeof(dib), 1, 1, 1, 32, BI_RGB, 4, 0, 0, 0, 0};
  const std::wstring lines = L"uname -a\r\nuptime\r\n";
  const struct {
    const char* name;
    UINT format;
    std::string clipboard;  // bytes of the block (texts end in a zero unless said)
    bool pasteConfirm, forcePaste, nodesConfirm, altV;
    Course course;
    std::wstring pasted;
    int nodes = 3;
  } cases[] = {
      {"an image only", CF_DIB, std::string(reinterpret_cast<const char*>(&dib), 40) + "RGBA", true,
       true, false, false, Course::Nothing, L""},
      {"an empty text", CF_UNICODETEXT, {"\0\0", 2}, false, false, false, true, Course::Nothing, L""},
      {"a line", CF_UNICODETEXT, {"l\0s\0\0\0", 6}, true, true, true, false, Course::Pasted, L"ls",
       200},
      {"no zero, odd size", CF_UNICODETEXT, {"a\0b\0c\0d", 7}, false, false, false, true,
       Course::Pasted, L"abc"},
      {"a line feed", CF_UNICODETEXT, {"\n\0\0\0", 4}, true, false, false, true, Course::Dialog, L""},
      {"lines confirmed", CF_UNICODETEXT, {}, true, false, false, false, Course::Pasted, lines, 200},
      {"lines", CF_UNICODETEXT, {}, false, false, false, false, Course::Pasted, lines, 200},
      {"lines, OK pressed", CF_UNICODETEXT, {}, false, true, true, true, Course::Confirmed, lines,
       200},
      {"lines, no dialog", CF_UNICODETEXT, {}, false, true, false, false, Course::Pasted, lines, 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartWith(c.pasteConfirm, c.forcePaste, c.nodesConfirm, {}, c.nodes);
    ASSERT_TRUE(c.clipboard.empty() ? SetClipboardText(lines)
                                    : SetClipboardBytes(c.format, c.clipboard));
    Paste(c.altV);
    if (c.course == Course::Dialog || (c.pasteConfirm && c.pasted.find(L'\n') != c.pasted.npos)) {
      const HWND dialog = ConfirmDialog(5s);
      ASSERT_NE(dialog, nullptr);
      if (c.course == Course::Dialog) {
        PressKey(VK_ESCAPE);
      } else {
        ASSERT_TRUE(ClickUntilClosed(GetDlgItem(dialog, IDOK), dialog));
      }
    }
    const auto record = WaitForPastes(c.course > Course::Dialog ? c.nodes : 0);
    EXPECT_TRUE(WindowText(Box()).empty());
    if (c.course <= Course::Dialog) {
      EXPECT_TRUE(Events(record, nullptr, L"PASTECOMMAND").empty()) << nodes_->RecordText();
      EXPECT_EQ(ConfirmDialog(0ms), nullptr);
      continue;
    }
    std::vector<std::wstring> titles, expected;
    for (int i = 1; i <= c.nodes; ++i) titles.push_back(L"node " + std::to_wstring(i));
    std::sort(titles.begin(), titles.end());
    for (const std::wstring& title : titles) {
      const std::wstring node = L" " + title;
      expected.push_back(L"PASTECOMMAND" + node);
      if (c.course == Course::Confirmed) expected.push_back(L"PASTECONFIRM" + node);
      expected.push_back(L"PASTE" + node);
    }
    EXPECT_EQ(Served(record), expected) << "in selection order, each after the one before pasted";
    for (const RecordLine& paste : Events(record, nullptr, L"PASTE")) {
      EXPECT_EQ(paste.args, c.pasted);
    }
  }
}

TEST_F(PasteTest, ConfirmationDialogPastesOnlyOnOk) {
  StartWith(true, false, false);
  // Longer than the 10 000 units the dialog shows: the terminals still paste all of it.
  const std::wstring text = L"line 1\r\nline 2\n" + std::wstring(12000, L'x');
  ASSERT_TRUE(SetClipboardText(text));
  const struct {
    WORD key;  // or 0: the button is clicked
    int button;
    size_t pastes;
  } answers[] = {{0, IDCANCEL, 0}, {VK_RETURN, 0, 0}, {VK_ESCAPE, 0, 0}, {0, IDOK, 3}};
  for (const auto& a : answers) {
    SCOPED_TRACE(a.key + a.button);
    ASSERT_TRUE(FocusIn(Box()));
    Paste(a.key != 0);
    const HWND dialog = ConfirmDialog(5s);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"貼り付ける内容を確認してください。");
    const HWND edit = GetDlgItem(dialog, 111);
    EXPECT_EQ(WindowText(edit), text.substr(0, 10000)) << "as it came, line breaks and all";
    EXPECT_TRUE(FocusIn(edit));
    EXPECT_TRUE(WaitUntil(
        [&] {
          const auto selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
          return LOWORD(selection) == HIWORD(selection);
        },
        5s))
        << "nothing selected";
    if (a.key) {
      PressKey(a.key);
    } else {
      EXPECT_TRUE(ClickUntilClosed(GetDlgItem(dialog, a.button), dialog));
    }
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10s));
    const auto pastes = Events(WaitForPastes(a.pastes), nullptr, L"PASTE");
    ASSERT_EQ(pastes.size(), a.pastes);
    for (const auto& paste : pastes) EXPECT_EQ(paste.args, text);
  }
}

TEST_F(PasteTest, AHungTerminalCostsAtMostItsBoundAndIsNamed) {
  // "a hung" sorts before the nodes, so it comes first in the selection.
  StartWith(false, true, true, {L"--hung", L"--title=a hung"});
  ASSERT_TRUE(SetClipboardText(L"date\n"));
  const DWORD start = GetTickCount();
  Paste(true);
  const auto commands = Events(WaitForPastes(3), nullptr, L"PASTECOMMAND");
  ASSERT_EQ(commands.size(), 3u) << nodes_->RecordText();
  EXPECT_LT(PostTime(commands[0]) - start, 1500u) << "a second for the hung terminal, then on";
  EXPECT_TRUE(app.NoticeShows(
      L"応答がなく、貼り付けたか分からないウィンドウがあります（1 個）：「a hung」"));
}

TEST_F(PasteTest, OnlyTheCommandBoxPastesAndItNeverTakesTheText) {
  StartWith(false, false, false);
  ASSERT_TRUE(SetClipboardText(L"echo 1\n"));
  // Shift+F10 and the menu key open no context menu whose Paste ("P") would fill the box. The
  // Escapes leave the menu mode that the release of F10 starts under Wine.
  for (const WORD key : {VK_F10, VK_APPS}) {
    PressKey(key, key == VK_F10 ? kShift : kNoModifiers);
    for (const WORD then : {WORD{'P'}, WORD{VK_ESCAPE}, WORD{VK_ESCAPE}}) PressKey(then);
  }
  Paste(false);
  ASSERT_TRUE(FocusByKey('F', P().filterBox));
  PressKey('V', kAlt);  // the focus in the filter box: nothing
  ASSERT_TRUE(FocusByKey('I', Box()));
  PressKey('V', kAlt);
  EXPECT_EQ(Events(WaitForPastes(6), nullptr, L"PASTE").size(), 6u) << "two pastes, not three";
  for (HWND menu : TopLevelWindows(app.Process().Pid(), L"#32768")) {
    EXPECT_FALSE(IsWindowVisible(menu)) << "no context menu";
  }
  EXPECT_TRUE(WindowText(Box()).empty());
}

}  // namespace
}  // namespace e2e
