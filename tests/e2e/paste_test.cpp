// Clipboard pastes from the command box to stand-in terminals: every path by the clipboard's
// text and the two paste settings, the pauses between terminals, the confirmation dialog, a
// hung terminal, and a command box that never takes the text itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

constexpr wchar_t kConfirmCaption[] = L"貼り付ける内容を確認してください。";

std::string Units(std::wstring_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

DWORD PostTime(const RecordLine& command) { return std::stoul(command.args); }

// Terminals "node 1" to "node 3" (and the windows of a second stand-in, if given) all selected
// in a Flockhand with the given paste settings, the focus in its command box.
class PasteTest : public ::testing::Test {
 protected:
  void Start(bool pasteConfirm, bool forcePaste, std::vector<std::wstring> nodeArgs = {},
             std::vector<std::wstring> otherArgs = {}) {
    app_.reset(), other_.reset(), nodes_.reset();
    const auto flag = [](bool on) { return on ? "TRUE" : "FALSE"; };
    ASSERT_TRUE(WriteFileBytes(docs_.File(L"fkh.ini"),
                               std::string("[BASE]\r\npasteConfirm = ") + flag(pasteConfirm) +
                                   "\r\nforcePaste = " + flag(forcePaste) + "\r\n"));
    nodeArgs.insert(nodeArgs.end(), {L"--title=node", L"--count=3"});
    nodes_ = std::make_unique<StandIn>(nodeArgs);
    ASSERT_TRUE(nodes_->Started()) << nodes_->Error();
    size_t rows = 3;
    if (!otherArgs.empty()) {
      other_ = std::make_unique<StandIn>(otherArgs);
      ASSERT_TRUE(other_->Started()) << other_->Error();
      rows += other_->Windows().size();
    }
    app_ = std::make_unique<Flockhand>();
    ASSERT_TRUE(app_->Ready());
    const HWND list = app_->Controls().terminalList;
    ASSERT_TRUE(WaitUntil([&] { return ListRowCount(list) == static_cast<int>(rows); }, 10s));
    ASSERT_TRUE(app_->Activate());
    PressKey('A', kAlt);
    ASSERT_TRUE(WaitUntil([&] { return MarkedRows(list).size() == rows; }, 5s));
    ClickWindow(CommandBox());
    ASSERT_TRUE(FocusIn(CommandBox()));
  }
  HWND CommandBox() const { return app_->Controls().commandBox; }
  bool FocusIn(HWND control) const {
    return WaitUntil([&] { return app_->Focus() == control; }, 10s);
  }
  HWND Node(int i) const { return nodes_->Window(static_cast<size_t>(i)); }
  // A right-button click in the command box, or Alt+V.
  void Paste(bool altV) const {
    if (altV) {
      PressKey('V', kAlt);
    } else {
      RightClick(Center(WindowRect(CommandBox())));
    }
  }
  bool WaitForPastes(size_t count) const {
    return nodes_->WaitForRecord(
        [&](const std::vector<RecordLine>& r) {
          return Events(r, nullptr, L"PASTE").size() >= count;
        },
        30s);
  }

  ScopedDocumentsFolder docs_;
  std::unique_ptr<StandIn> nodes_, other_;
  std::unique_ptr<Flockhand> app_;
};

enum class Course { Nothing, Dialog, Paused, AtOnce, Clicked, Polled };

TEST_F(PasteTest, EveryPathByTextAndSettings) {
  BITMAPINFOHEADER header{sizeof(header), 1, 1, 1, 32, BI_RGB, 4, 0, 0, 0, 0};
  const std::string image =
      std::string(reinterpret_cast<const char*>(&header), sizeof header) + "RGBA";
  const std::wstring lines = L"uname -a\r\nuptime\r\n";
  const struct {
    const char* name;
    UINT format;
    std::string clipboard;
    std::wstring pasted;
    bool pasteConfirm, forcePaste, terminalsConfirm, altV;
    Course course;
  } cases[] = {
      {"an image only", CF_DIB, image, L"", true, true, false, false, Course::Nothing},
      {"an empty text", CF_UNICODETEXT, Units({L"\0", 1}), L"", false, false, false, true,
       Course::Nothing},
      {"one line", CF_UNICODETEXT, Units({L"ls -l\0", 6}), L"ls -l", true, true, true, false,
       Course::Paused},
      {"one line, no zero, odd size", CF_UNICODETEXT, Units(L"abcd").substr(0, 7), L"abc", false,
       false, false, true, Course::Paused},
      {"a line feed alone", CF_UNICODETEXT, Units({L"\n\0", 2}), L"", true, false, false, true,
       Course::Dialog},
      {"lines at once", CF_UNICODETEXT, Units(lines + L'\0'), lines, false, false, false, false,
       Course::AtOnce},
      {"lines, OK pressed", CF_UNICODETEXT, Units(lines + L'\0'), lines, false, true, true, true,
       Course::Clicked},
      {"lines, no dialog to press", CF_UNICODETEXT, Units(lines + L'\0'), lines, false, true, false,
       false, Course::Polled},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Start(c.pasteConfirm, c.forcePaste,
          c.terminalsConfirm ? std::vector<std::wstring>{L"--confirm-paste"}
                             : std::vector<std::wstring>{});
    ASSERT_TRUE(SetClipboardBytes(c.format, c.clipboard));
    const DWORD start = GetTickCount();
    Paste(c.altV);
    if (c.course == Course::Dialog) {
      ASSERT_NE(FindDialog(app_->Process().Pid(), kConfirmCaption, 5s), nullptr);
      PressKey(VK_ESCAPE);
    }
    if (c.course != Course::Nothing && c.course != Course::Dialog) {
      ASSERT_TRUE(WaitForPastes(3)) << nodes_->RecordText();
    }
    ASSERT_TRUE(nodes_->Sync());
    const auto record = nodes_->Record();
    const auto commands = Events(record, nullptr, L"PASTECOMMAND");
    EXPECT_TRUE(WindowText(CommandBox()).empty());
    if (c.course == Course::Nothing || c.course == Course::Dialog) {
      EXPECT_TRUE(commands.empty()) << nodes_->RecordText();
      EXPECT_EQ(FindDialog(app_->Process().Pid(), kConfirmCaption, 0ms), nullptr);
      continue;
    }
    const auto pastes = Events(record, nullptr, L"PASTE");
    ASSERT_EQ(commands.size(), 3u) << nodes_->RecordText();
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(commands[i].window, Node(i)) << "in selection order";
      EXPECT_EQ(Utf8(pastes[i].args), Utf8(c.pasted));
    }
    const DWORD first = PostTime(commands[0]) - start;
    const DWORD gaps[] = {PostTime(commands[1]) - PostTime(commands[0]),
                          PostTime(commands[2]) - PostTime(commands[1])};
    switch (c.course) {
      case Course::Paused:
        EXPECT_GE(first, 95u) << "100 ms before the first terminal";
        for (DWORD gap : gaps) EXPECT_GE(gap, 95u) << "100 ms between terminals";
        break;
      case Course::AtOnce: EXPECT_LT(gaps[0] + gaps[1], 100u) << "no pauses"; break;
      case Course::Clicked: {
        // Strictly one terminal after the other: command, its dialog, OK pressed, pasted.
        std::vector<std::wstring> course, expected;
        for (const RecordLine& line : record) {
          if (line.event.rfind(L"PASTE", 0) == 0) course.push_back(line.event);
        }
        for (int i = 0; i < 3; ++i)
          expected.insert(expected.end(), {L"PASTECOMMAND", L"PASTECONFIRM", L"PASTE"});
        EXPECT_EQ(course, expected) << nodes_->RecordText();
        break;
      }
      case Course::Polled:
        for (DWORD gap : gaps) EXPECT_GE(gap, 990u) << "ten looks 100 ms apart";
        break;
      default: break;
    }
  }
}

TEST_F(PasteTest, ConfirmationDialogPastesOnlyOnOk) {
  Start(true, false);
  // Longer than the 10 000 units the dialog shows: the terminals still paste all of it.
  const std::wstring text = L"line 1\r\nline 2\n" + std::wstring(12000, L'x');
  ASSERT_TRUE(SetClipboardText(text));
  const struct {
    const char* name;
    WORD key;  // or 0: the button is clicked
    int button;
    size_t pastes;
  } answers[] = {{"Cancel", 0, IDCANCEL, 0},
                 {"Enter", VK_RETURN, 0, 0},
                 {"Escape", VK_ESCAPE, 0, 0},
                 {"OK", 0, IDOK, 3}};
  bool altV = false;
  for (const auto& a : answers) {
    SCOPED_TRACE(a.name);
    ASSERT_TRUE(FocusIn(CommandBox()));
    Paste(altV = !altV);
    const HWND dialog = FindDialog(app_->Process().Pid(), kConfirmCaption, 5s);
    ASSERT_NE(dialog, nullptr);
    const HWND edit = GetDlgItem(dialog, 111);
    EXPECT_EQ(WindowText(edit), text.substr(0, 10000)) << "as it came, line breaks and all";
    EXPECT_TRUE(FocusIn(edit));
    EXPECT_TRUE(WaitUntil(
        [&] {
          const DWORD selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
          return LOWORD(selection) == HIWORD(selection);
        },
        5s))
        << "nothing selected";
    if (a.key) {
      PressKey(a.key);
    } else {
      ClickWindow(GetDlgItem(dialog, a.button));
    }
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10s));
    ASSERT_TRUE(nodes_->Sync());
    const auto pastes = Events(nodes_->Record(), nullptr, L"PASTE");
    ASSERT_EQ(pastes.size(), a.pastes) << nodes_->RecordText();
    for (const auto& paste : pastes) EXPECT_EQ(Utf8(paste.args), Utf8(text));
  }
}

TEST_F(PasteTest, AHungTerminalCostsOnlyItsTenLooks) {
  // "a hung" sorts before the nodes, so it comes first in the selection.
  Start(false, true, {L"--confirm-paste"}, {L"--hung", L"--title=a hung"});
  ASSERT_TRUE(SetClipboardText(L"date\n"));
  const DWORD start = GetTickCount();
  Paste(true);
  ASSERT_TRUE(WaitForPastes(3)) << nodes_->RecordText();
  const auto commands = Events(nodes_->Record(), nullptr, L"PASTECOMMAND");
  ASSERT_FALSE(commands.empty());
  const DWORD wait = PostTime(commands[0]) - start;
  EXPECT_GE(wait, 990u) << "the hung terminal's ten looks come first";
  EXPECT_LT(wait, 5000u) << "and then Flockhand goes on";
}

TEST_F(PasteTest, OnlyTheCommandBoxPastesAndItNeverTakesTheText) {
  Start(false, false);
  ASSERT_TRUE(SetClipboardText(L"echo 1\n"));
  // Shift+F10 and the menu key open no context menu whose Paste ("P") would fill the box. The
  // Escapes leave the menu mode that the release of F10 starts under Wine.
  for (const WORD key : {VK_F10, VK_APPS}) {
    PressKey(key, key == VK_F10 ? kShift : kNoModifiers);
    for (const WORD then : {WORD{'P'}, WORD{VK_ESCAPE}, WORD{VK_ESCAPE}}) PressKey(then);
  }
  Paste(false);
  PressKey('F', kAlt);
  ASSERT_TRUE(FocusIn(app_->Controls().filterBox));
  PressKey('V', kAlt);  // the focus in the filter box: nothing
  PressKey('I', kAlt);
  ASSERT_TRUE(FocusIn(CommandBox()));
  PressKey('V', kAlt);
  ASSERT_TRUE(WaitForPastes(6)) << nodes_->RecordText();
  ASSERT_TRUE(nodes_->Sync());
  EXPECT_EQ(Events(nodes_->Record(), nullptr, L"PASTE").size(), 6u) << "two pastes, not three";
  for (HWND menu : TopLevelWindows(app_->Process().Pid(), L"#32768")) {
    EXPECT_FALSE(IsWindowVisible(menu)) << "no context menu";
  }
  EXPECT_TRUE(WindowText(CommandBox()).empty());
}

}  // namespace
}  // namespace e2e
