// After every operation the next key typed reaches exactly the selected terminals, once, even
// when the terminals' own modal dialogs were confirmed on the way; and while a paced operation
// runs, Flockhand answers, Esc cancels what remains, and keys typed meanwhile arrive after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

class Paced : public ::testing::Test {
 protected:
  // Flockhand with the paste settings, "node 1".."node N" (after "other") with the filter
  // "node" and every row it leaves selected, the focus in the command box.
  void Start(bool forcePaste, int nodes, std::vector<std::wstring> nodeArgs = {}) {
    app_.reset(), nodes_.reset();
    ASSERT_TRUE(WriteFileBytes(docs_.File(L"fkh.ini"),
                               std::string("[BASE]\npasteConfirm = TRUE\nforcePaste = ") +
                                   (forcePaste ? "TRUE" : "FALSE")));
    nodeArgs.insert(nodeArgs.end(), {L"--title=node", L"--count=" + std::to_wstring(nodes)});
    nodes_ = std::make_unique<StandIn>(nodeArgs);
    app_ = std::make_unique<Flockhand>();
    ASSERT_TRUE(nodes_->Started() && app_->Ready() && app_->WaitForRows(nodes + 1, 10s) &&
                app_->Activate());
    PressKey('F', kAlt);
    TypeText(L"node");
    ASSERT_TRUE(app_->SelectAll(nodes) && app_->ClickToFocus(P().commandBox));
  }
  const Panel& P() const { return app_->Controls(); }
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
    HWND dialog = app_->Dialog(10s);
    ASSERT_TRUE(dialog && ClickUntilClosed(GetDlgItem(dialog, IDOK), dialog));
  }

  ScopedDocumentsFolder docs_;
  StandIn other_{{L"--title=other"}};
  std::unique_ptr<StandIn> nodes_;
  std::unique_ptr<Flockhand> app_;
};

TEST_F(Paced, AfterEveryOperationTheNextKeyReachesExactlyTheSelectedTerminals) {
  const auto node = [&](int i) { return nodes_->Window(i); };
  const auto placed = [&](long times) {  // each arrangement traces the third node's cell once
    return [&, times] {
      const auto lines = app_->Process().DebugLines();
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
  ASSERT_NO_FATAL_FAILURE(Start(true, 3, {L"--confirm-paste"}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    size_t before[3], all = Count(nullptr, L"KEYDOWN");
    for (int i = 0; i < 3; ++i) before[i] = Count(node(i), L"KEYDOWN", L"0x51 ");
    c.act();
    // Every terminal through with what it was asked, Flockhand in front: then the user types.
    ASSERT_TRUE(WaitUntil(c.done, 20s) && nodes_->Sync(10s) && app_->Settle() &&
                app_->WaitForFocus(P().commandBox));
    TypeText(L"q");
    ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") >= all + c.receivers; }, 5s) &&
                nodes_->Sync() && other_.Sync());
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Count(node(i), L"KEYDOWN", L"0x51 ") - before[i], size_t(i < c.receivers))
          << "node " << i + 1;
    }
    EXPECT_TRUE(Events(other_.Record(), nullptr, L"KEYDOWN").empty());
    EXPECT_EQ(GetForegroundWindow(), app_->Main());
  }
  // Lines confirmed in Flockhand alone: the terminals paste without a dialog of their own.
  ASSERT_NO_FATAL_FAILURE(Start(false, 3));
  Paste(L"two\nlines", true);
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTE") == 3; }, 10s) && app_->Settle());
  TypeText(L"q");
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") == 3; }, 5s));
  EXPECT_TRUE(nodes_->Sync() && Count(nullptr, L"KEYDOWN", L"0x51 ") == 3);
}

TEST_F(Paced, APacedPasteAnswersShowsProgressTakesKeysAfterItAndStopsAtEsc) {
  ASSERT_NO_FATAL_FAILURE(Start(false, 20));
  const auto idle = [&] {
    return WaitUntil([&] { return WindowText(app_->Main()) == L"Flockhand"; }, 10s);
  };
  Paste(L"one line", false);  // 100 ms before each terminal: two seconds in all
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= 2; }, 5s));
  EXPECT_TRUE(app_->Answers(1s)) << "the window answers while the terminals are paced";
  TypeText(L"ab");
  EXPECT_TRUE(
      WaitUntil([&] { return WindowText(app_->Main()).find(L" / 20") != std::wstring::npos; }, 5s));
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"KEYDOWN") == 40; }, 10s) && idle());
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
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= 23; }, 5s));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(idle() && nodes_->Sync());
  EXPECT_LT(Count(nullptr, L"PASTECOMMAND"), 38u) << "Esc left the rest alone";
  EXPECT_EQ(Count(nullptr, L"KEYDOWN", L"0x1B "), 0u) << "Esc reaches no terminal";
  const size_t served = Count(nullptr, L"PASTECOMMAND");
  Paste(L"last", false);  // closed from the taskbar meanwhile: ended as by Esc, then closed
  ASSERT_TRUE(WaitUntil([&] { return Count(nullptr, L"PASTECOMMAND") >= served + 3; }, 5s));
  PostMessageW(app_->Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(app_->Process().WaitForExit(10s) && nodes_->Sync());
  EXPECT_LT(Count(nullptr, L"PASTECOMMAND"), served + 18);
}

}  // namespace
}  // namespace e2e
