// After every operation the next key typed reaches exactly the selected terminals, once, even
// when the terminals' own modal dialogs were confirmed on the way; and while a paced operation
// runs, Flockhand answers, Esc cancels what remains, keys typed meanwhile arrive after it, and
// whatever else would start an operation waits for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

class Paced : public FlockhandTest {
 protected:
  // Flockhand with the paste settings, "node 1".."node N" (after "other") with the filter
  // "node" and every row it leaves selected, the focus in the command box.
  void StartWith(bool forcePaste, int nodes, std::vector<std::wstring> nodeArgs = {}) {
    app.End(), nodes_.reset();
    ASSERT_TRUE(WriteFileBytes(docs_.File(L"fkh.ini"),
                               std::string("[BASE]\npasteConfirm = TRUE\nforcePaste = ") +
                                   (forcePaste ? "TRUE" : "FALSE")));
    nodeArgs.insert(nodeArgs.end(), {L"--title=node", L"--count=" + std::to_wstring(nodes)});
    nodes_ = std::make_unique<StandIn>(nodeArgs, 60s);
    ASSERT_TRUE(nodes_->Started()) << nodes_->Error();
    ASSERT_TRUE(StartWithRows(nodes + 1, 30s));
    ASSERT_TRUE(Filter(L"node"));
    ASSERT_TRUE(app.SelectAll(nodes, 20s) && app.ClickToFocus(P().commandBox));
  }
  bool Idle() {
    return WaitUntil([&] { return WindowText(app.Main()) == L"Flockhand"; }, 30s) && app.Idle() &&
           nodes_->Sync();
  }
  // The record's lines since line `from`, of window and event where given.
  std::vector<RecordLine> Since(size_t from, HWND window, const wchar_t* event) const {
    const auto record = nodes_->Record();
    std::vector<RecordLine> since;
    for (size_t i = from; i < record.size(); ++i) {
      const RecordLine& line = record[i];
      if ((!window || line.window == window) && (!event || line.event == event)) since.push_back(line);
    }
    return since;
  }
  size_t Count(HWND window, const wchar_t* event, const wchar_t* args = nullptr) const {
    size_t count = 0;
    for (const RecordLine& line : Events(nodes_->Record(), window, event)) {
      count += !args || line.args.rfind(args, 0) == 0;
    }
    return count;
  }
  // Paste text by Alt+V and, with confirm, OK in Flockhand's own confirmation.
  void Paste(const wchar_t* text, bool confirm) {
    ASSERT_TRUE(SetClipboardText(text));
    PressKey('V', kAlt);
    if (!confirm) return;
    HWND dialog = app.Dialog(10s);
    ASSERT_TRUE(dialog && ClickUntilClosed(GetDlgItem(dialog, IDOK), dialog));
  }

  ScopedDocumentsFolder docs_;
  StandIn other_{{L"--title=other"}};
  std::unique_ptr<StandIn> nodes_;
};

TEST_F(Paced, AfterEveryOperationTheNextKeyReachesExactlyTheSelectedTerminals) {
  const auto node = [&](int i) { return nodes_->Window(i); };
  const auto placed = [&](long times) {  // each arrangement traces the third node's cell once
    return [&, times] {
      const auto lines = app.Process().DebugLines();
      const auto third = [](const std::wstring& l) { return l.rfind(L"node 3: ", 0) == 0; };
      return std::count_if(lines.begin(), lines.end(), third) == times;
    };
  };
  const struct Case {
    const char* name;
    std::function<void()> act;
    std::function<bool()> done;  // the terminals show that the operation ran
    int receivers = 3;           // the first so many nodes get the next key
  } cases[] = {
      {"arrange", [] { PressKey('L', kAlt); }, placed(1)},
      {"quick left", [] { PressKey(VK_NUMPAD4, kAlt); }, placed(2)},
      {"quick whole", [] { PressKey(VK_NUMPAD5, kAlt); }, placed(3)},
      {"quick top", [] { PressKey(VK_NUMPAD8, kAlt); }, placed(4)},
      {"quick right", [] { PressKey(VK_NUMPAD6, kAlt); }, placed(5)},
      {"quick bottom", [] { PressKey(VK_NUMPAD2, kAlt); }, placed(6)},
      {"flash", [] { PressKey('B', kAlt); }, [] { return true; }},
      {"hide others", [] { PressKey('H', kAlt); },
       [&] { return IsIconic(other_.Window()) != FALSE; }},
      {"menu bars off", [] { PressKey('M', kAlt); },
       [&] { return Count(nullptr, L"SETUPOK") == 3; }},
      {"menu bars on", [] { PressKey('M', kAlt); },
       [&] { return WindowText(P().menuBar) == L"MenuBar Off"; }},
      {"one line", [&] { Paste(L"one line", false); },
       [&] { return Count(nullptr, L"PASTE") == 3; }},
      {"lines, confirmed in the terminals", [&] { Paste(L"two\nlines", true); },
       [&] { return Count(nullptr, L"PASTE") == 6; }},
      {"front and flash", [&] { DoubleClick(ListRowPoint(P().terminalList, 0)); },
       [&] { return Count(node(0), L"ACTIVATE", L"1") > 1; }, 1},
  };
  ASSERT_NO_FATAL_FAILURE(StartWith(true, 3, {L"--confirm-paste"}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    size_t before[3], all = Count(nullptr, L"KEYDOWN");
    for (int i = 0; i < 3; ++i) before[i] = Count(node(i), L"KEYDOWN", L"0x51 ");
    c.act();
    // Every terminal through with what it was asked, Flockhand in front: then the user types.
    ASSERT_TRUE(WaitUntil(c.done, 20s) && nodes_->Sync(10s) && app.Settle() &&
                app.WaitForFocus(P().commandBox));
    TypeText(L"q");
    ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") >= all + c.receivers; }, 5s) &&
                nodes_->Sync() && other_.Sync());
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Count(node(i), L"KEYDOWN", L"0x51 ") - before[i], size_t(i < c.receivers))
          << "node " << i + 1;
    }
    EXPECT_TRUE(Events(other_.Record(), nullptr, L"KEYDOWN").empty());
    EXPECT_EQ(GetForegroundWindow(), app.Main());
  }
  // Lines confirmed in Flockhand alone: the terminals paste without a dialog of their own.
  ASSERT_NO_FATAL_FAILURE(StartWith(false, 3));
  Paste(L"two\nlines", true);
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTE") == 3; }, 10s) && app.Settle());
  TypeText(L"q");
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") == 3; }, 5s));
  EXPECT_TRUE(nodes_->Sync() && Count(nullptr, L"KEYDOWN", L"0x51 ") == 3);
}

TEST_F(Paced, APacedPasteAnswersShowsProgressTakesKeysAfterItAndStopsAtEsc) {
  constexpr size_t kNodes = 200;  // a second or more at the terminals' pace
  const std::wstring ofAll = L" / " + std::to_wstring(kNodes);
  ASSERT_NO_FATAL_FAILURE(StartWith(false, kNodes));
  Paste(L"one line", false);
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= 2; }, 5s));
  EXPECT_TRUE(app.Answers(1s)) << "the window answers while the terminals are paced";
  TypeText(L"ab");
  EXPECT_TRUE(
      WaitUntil([&] { return WindowText(app.Main()).find(ofAll) != std::wstring::npos; }, 5s));
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") == 2 * kNodes; }, 20s) && Idle());
  for (HWND window : nodes_->Windows()) {
    std::wstring course;
    for (const RecordLine& line : nodes_->Record()) {
      if (line.window == window && (line.event == L"PASTE" || line.event == L"KEYDOWN")) {
        course += line.event == L"PASTE" ? L"P" : line.args.substr(0, 4);
      }
    }
    EXPECT_EQ(course, L"P0x410x42") << "pasted, then a and b once each";
  }
  Paste(L"again", false);
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= kNodes + 3; }, 5s));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(Idle() && nodes_->Sync());
  EXPECT_LT(Count(nullptr, L"PASTECOMMAND"), 2 * kNodes - 2) << "Esc left the rest alone";
  EXPECT_EQ(Count(nullptr, L"KEYDOWN", L"0x1B "), 0u) << "Esc reaches no terminal";
  const size_t served = Count(nullptr, L"PASTECOMMAND");
  EXPECT_TRUE(app.NoticeShows(L"貼り付けを中止しました（" + std::to_wstring(served - kNodes) +
                              ofAll + L"）。"));
  Paste(L"last", false);  // closed from the taskbar meanwhile: ended as by Esc, then closed
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= served + 3; }, 5s));
  PostMessageW(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(app.Process().WaitForExit(10s) && nodes_->Sync());
  EXPECT_LT(Count(nullptr, L"PASTECOMMAND"), served + kNodes - 2);
}

// Shift+Q and W typed while the terminals are in front of Flockhand or show their dialogs.
TEST_F(Paced, KeysTypedDuringAnOperationReachEverySelectedTerminalOnceAfterIt) {
  const struct {
    const char* name;
    std::function<void()> act;
    // What the second node records once the operation serves it, or nullptr: Flockhand traces
    // its cell (a terminal may record its placement late).
    const wchar_t* underWay;
  } cases[] = {
      {"arrange", [] { PressKey('L', kAlt); }, nullptr},
      {"quick left", [] { PressKey(VK_NUMPAD4, kAlt); }, nullptr},
      {"menu bars off", [] { PressKey('M', kAlt); }, L"SETUP"},
      {"forced paste", [&] { Paste(L"two\nlines", true); }, L"PASTECOMMAND"},
  };
  ASSERT_NO_FATAL_FAILURE(StartWith(true, 30, {L"--confirm-paste"}));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const size_t from = nodes_->Record().size();
    const auto traced = [&] {
      const auto lines = app.Process().DebugLines();
      return std::count_if(lines.begin(), lines.end(),
                           [](const std::wstring& l) { return l.rfind(L"node 2: ", 0) == 0; });
    };
    const auto before = traced();
    c.act();
    ASSERT_TRUE(WaitUntil(
        [&] {
          return c.underWay ? !Since(from, nodes_->Window(1), c.underWay).empty() : traced() > before;
        },
        20s));
    PressKey('Q', kShift);
    PressKey('W');
    ASSERT_TRUE(Idle() && WaitUntil([&] { return Since(from, nullptr, L"KEYDOWN").size() >= 90; }, 10s));
    for (HWND node : nodes_->Windows()) {
      std::wstring keys;
      for (const RecordLine& line : Since(from, node, L"KEYDOWN")) keys += line.args.substr(0, 5);
      EXPECT_EQ(keys, L"0x10 0x51 0x57 ");
    }
    EXPECT_TRUE(Since(from, nullptr, L"DIALOGKEY").empty()) << "no key went into a dialog";
    EXPECT_TRUE(Events(other_.Record(), nullptr, L"KEYDOWN").empty());
  }
}

TEST_F(Paced, ProgressShowsHalfASecondInAlsoWithinTheFirstTerminal) {
  // Each terminal waits its two seconds for a setup dialog.
  ASSERT_NO_FATAL_FAILURE(StartWith(true, 2, {L"--no-setup-dialog"}));
  PressKey('M', kAlt);
  EXPECT_TRUE(
      WaitUntil([&] { return WindowText(app.Main()) == L"Flockhand - 0 / 2 (Esc: 中止)"; }, 2s));
}

// What another program sends to a button, the command box or the list during a paste: the
// sender is answered at once, and the arrangement, key and front-and-flash run after the paste.
TEST_F(Paced, WhatIsSentDuringAPasteRunsAfterIt) {
  ASSERT_NO_FATAL_FAILURE(StartWith(false, 20));
  const size_t from = nodes_->Record().size();
  Paste(L"one line", false);
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= 2; }, 5s));
  POINT row = ListRowPoint(P().terminalList, 0);
  ScreenToClient(P().terminalList, &row);
  const struct {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } sent[] = {{P().arrange, BM_CLICK, 0, 0},
              {P().commandBox, WM_KEYDOWN, VK_PROCESSKEY, 1},
              {P().commandBox, WM_KEYDOWN, 'Z', 1},
              {P().terminalList, WM_LBUTTONDBLCLK, 0, MAKELPARAM(row.x, row.y)}};
  for (const auto& s : sent) {
    DWORD_PTR result;
    EXPECT_TRUE(SendMessageTimeoutW(s.window, s.message, s.wParam, s.lParam, SMTO_NORMAL, 2000, &result));
  }
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") >= 20; }, 20s) && Idle());
  const std::wstring kinds[] = {L"PASTE", L"PLACEMENT", L"KEYDOWN", L"ACTIVATE"};
  for (HWND node : nodes_->Windows()) {  // each terminal pasted first, then the rest came
    std::wstring course;
    for (const RecordLine& line : Since(from, node, nullptr)) {
      const auto kind = std::find(std::begin(kinds), std::end(kinds), line.event);
      if (kind != std::end(kinds)) course += L"PLKA"[kind - kinds];
    }
    EXPECT_EQ(course.find_first_of(L"PLKA"), course.find(L'P')) << course;
    for (const wchar_t kind : {L'L', L'K', L'A'}) EXPECT_NE(course.find(kind), std::wstring::npos);
  }
  EXPECT_EQ(Count(nullptr, L"KEYDOWN", L"0x5A "), 20u) << "and 0xE5 reached none";
}

// The terminal served as the clipboard changes may read either text: the notice counts only the
// terminals that surely read the one the paste started with.
TEST_F(Paced, APasteStopsWhereTheClipboardChanges) {
  constexpr size_t kNodes = 200;
  ASSERT_NO_FATAL_FAILURE(StartWith(false, kNodes));
  Paste(L"one line", false);
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= 3; }, 5s));
  ASSERT_TRUE(SetClipboardText(L"other text"));
  ASSERT_TRUE(Idle());
  const size_t asked = Count(nullptr, L"PASTECOMMAND");
  EXPECT_LT(asked, kNodes);
  const auto notice = [&](size_t served) {
    return L"クリップボードが変わったため、残りのウィンドウには貼り付けませんでした（" +
           std::to_wstring(served) + L" / " + std::to_wstring(kNodes) + L"）。";
  };
  const size_t told = app.NoticeShows(notice(asked), 1s) ? asked : asked - 1;
  EXPECT_TRUE(app.NoticeShows(notice(told)));
  const auto pastes = Events(nodes_->Record(), nullptr, L"PASTE");
  ASSERT_GE(pastes.size(), told);
  for (size_t i = 0; i < told; ++i) EXPECT_EQ(pastes[i].args, L"one line") << "never the other text";
}

}  // namespace
}  // namespace e2e
