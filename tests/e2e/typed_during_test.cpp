// What the user types or clicks while an operation runs has exactly the effect it has typed once
// the operation is over: the same script, run during each operation and after it from the same
// start, leaves the terminals and the panel alike. And a paste stops where the clipboard no
// longer holds the text that was confirmed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "harness/clipboard.h"
#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

// The keys held down, desktop-wide under Wine (mouse buttons aside).
std::vector<int> KeysDown() {
  std::vector<int> down;
  for (int vk = VK_BACK; vk < 0xFF; ++vk) {
    if (GetAsyncKeyState(vk) & 0x8000) down.push_back(vk);
  }
  return down;
}

class TypedDuring : public FlockhandTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        WriteFileBytes(docs_.File(L"fkh.ini"), "[BASE]\npasteConfirm = TRUE\nforcePaste = TRUE"));
  }
  // A fresh Flockhand and fresh terminals "node 1".."node N" (after "other"), filtered by
  // "node" and all selected, the focus in the command box, no key held from a run before.
  bool StartWith(int nodes) {
    app.End(), nodes_.reset();
    for (int vk : KeysDown()) KeyUp(static_cast<WORD>(vk));
    // On the second display, and arranged there: a terminal an operation brings forward (and
    // its dialogs) never covers the panel that a script clicks.
    nodes_ = std::make_unique<StandIn>(
        std::vector<std::wstring>{L"--confirm-paste", L"--title=node",
                                  L"--count=" + std::to_wstring(nodes), L"--pos=1300,20,400,300"});
    if (!nodes_->Started() || !StartWithRows(nodes + 1, 10s) || !Filter(L"node") ||
        !app.SelectAll(nodes) || !FocusByKey('D', P().display)) {
      return false;
    }
    PressKey(VK_DOWN);
    return WaitUntil([&] { return SendMessageW(P().display, CB_GETCURSEL, 0, 0) == 1; }, 5s) &&
           app.ClickToFocus(P().commandBox);
  }
  size_t Count(const wchar_t* event, const wchar_t* args = nullptr) const {
    size_t count = 0;
    for (const RecordLine& line : Events(nodes_->Record(), nullptr, event)) {
      count += !args || line.args == args;
    }
    return count;
  }
  // Alt+V and OK in Flockhand's own confirmation; the change, if any, while it shows.
  bool Paste(const wchar_t* text, const std::function<bool()>& whileConfirming = {}) {
    if (!SetClipboardText(text)) return false;
    PressKey('V', kAlt);
    HWND dialog = app.Dialog(10s);
    return dialog && (!whileConfirming || whileConfirming()) &&
           ClickUntilClosed(GetDlgItem(dialog, IDOK), dialog);
  }
  // Everything started is over, every message on its way has arrived, and Flockhand has
  // handled every key typed: F1 (the caption hints, an accelerator wherever the focus is) queues
  // behind them. Pressed twice, the hints are as before.
  bool Settled() const {
    const auto titled = [&] { return WindowText(app.Main()) == L"Flockhand"; };
    if (!WaitUntil(titled, 30s) || !app.Idle()) return false;
    for (int press = 0; press < 2; ++press) {
      const std::wstring before = WindowText(P().arrange);
      PressKey(VK_F1);
      if (!WaitUntil([&] { return WindowText(P().arrange) != before; }, 10s)) return false;
    }
    return app.Idle() && nodes_->Sync() && other_.Sync();
  }
  int Which(HWND control) const {  // the Panel member, by its place in Panel; -1 for none
    std::array<HWND, sizeof(Panel) / sizeof(HWND)> all;
    std::memcpy(all.data(), &P(), sizeof(Panel));
    const auto found = std::find(all.begin(), all.end(), control);
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
  }
  bool MenuOpen() const {
    for (HWND menu : TopLevelWindows(0, L"#32768")) {
      if (IsWindowVisible(menu)) return true;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(app.Main(), nullptr), &info) &&
           (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE));
  }

  ScopedDocumentsFolder docs_;
  StandIn other_{{L"--title=other"}};
  std::unique_ptr<StandIn> nodes_;
};

struct Operation {
  const char* name;
  int nodes;  // enough that the last is not yet served when the script has been typed
  std::function<void()> start;
  const wchar_t* served;  // what a node records when served; nullptr: Flockhand traces its cell
};
struct Script {
  const char* name;
  std::function<void()> type;
  bool cancels = false;  // Esc: during an operation it cancels the rest instead
};
// What a run leaves: each terminal's keys (nodes, then "other"), the panel, the keyboard.
struct Outcome {
  std::vector<std::wstring> keys;
  std::wstring filter;
  int focus = -1;
  std::vector<int> marked, keysDown;
  bool inFront = false, menuOpen = false, warning = false;
};

// What the run typed during left otherwise than the one after; empty when nothing.
std::string Differences(const Outcome& during, const Outcome& after) {
  std::string differences;
  for (size_t i = 0; i < during.keys.size(); ++i) {
    if (during.keys[i] != after.keys.at(i)) {
      differences += "keys of terminal " + std::to_string(i) + ": " + Utf8(during.keys[i]) + "; ";
    }
  }
  if (during.filter != after.filter) differences += "filter; ";
  if (during.focus != after.focus) differences += "focus; ";
  if (during.marked != after.marked) differences += "marks; ";
  if (during.inFront != after.inFront) differences += "window in front; ";
  return differences;
}

// What holds after every run, typed during or after: no key held, no menu open, no warning.
void ExpectSound(const Outcome& run, const char* when) {
  EXPECT_EQ(run.keysDown, std::vector<int>()) << "keys held, " << when;
  EXPECT_FALSE(run.menuOpen) << when;
  EXPECT_FALSE(run.warning) << when;
}

TEST_F(TypedDuring, AScriptTypedDuringAnOperationActsAsTypedAfterIt) {
  const auto served = [&](const Operation& op, int node) {
    if (op.served) return !Events(nodes_->Record(), nodes_->Window(node), op.served).empty();
    const std::wstring cell = L"node " + std::to_wstring(node + 1) + L": ";
    for (const std::wstring& line : app.Process().DebugLines()) {
      if (line.rfind(cell, 0) == 0) return true;
    }
    return false;
  };
  // From a fresh start: the operation, the script typed during it or after it, all settled.
  const auto run = [&](const Operation& op, const Script& script,
                       bool during) -> std::optional<Outcome> {
    const auto failed = [](const char* what) {
      ADD_FAILURE() << what;
      return std::optional<Outcome>();
    };
    if (!StartWith(op.nodes)) return failed("Flockhand and the terminals did not start");
    const size_t from = nodes_->Record().size(), otherFrom = other_.Record().size();
    op.start();
    if (!WaitUntil([&] { return served(op, during ? 1 : op.nodes - 1); }, 30s) ||
        (!during && !(app.Settle() && app.WaitForFocus(P().commandBox)))) {
      return failed("the operation did not run its course");
    }
    script.type();
    if (during && served(op, op.nodes - 1)) {
      return failed("the operation was over before the script was typed: give it more nodes");
    }
    EXPECT_TRUE(Settled()) << "Flockhand idle, the keys handled, the terminals synced, typed "
                           << (during ? "during" : "after");
    Outcome out;
    const auto keysOf = [](const std::vector<RecordLine>& record, size_t since, HWND window) {
      std::wstring keys;
      for (size_t i = since; i < record.size(); ++i) {
        const RecordLine& l = record[i];
        const bool key = l.event == L"KEYDOWN" || l.event == L"SYSKEYDOWN" || l.event == L"CHAR";
        if (l.window == window && key) keys += l.event + L" " + l.args + L"; ";
      }
      return keys;
    };
    const auto record = nodes_->Record();
    for (HWND node : nodes_->Windows()) out.keys.push_back(keysOf(record, from, node));
    out.keys.push_back(keysOf(other_.Record(), otherFrom, other_.Window()));
    out.filter = WindowText(P().filterBox);
    out.focus = Which(app.Focus());
    out.marked = MarkedRows(P().terminalList);
    out.keysDown = KeysDown();
    out.inFront = GetForegroundWindow() == app.Main();
    out.menuOpen = MenuOpen();
    out.warning = !app.Warnings().empty();
    return out;
  };
  // Now and then under Wine, on a busy machine, no low-level hook runs for a key or click made
  // during an arrangement (a trace showed the hook never called) and the key reaches the
  // terminal in front, as after a hook's timeout; Flockhand stops at each of the arrangement's
  // debug lines until this process reads it, which may be why. A row that differs runs again
  // from a fresh start, at most twice, and says so; it fails when it differs every time.
  const auto runAgain = [&](const Operation& op, const Script& script, const std::string& why) {
    std::cout << "[ AGAIN    ] " << op.name << " / " << script.name << ": " << why << std::endl;
    return run(op, script, true);
  };
  const Operation operations[] = {
      {"forced paste", 30, [&] { Paste(L"two\nlines"); }, L"PASTECOMMAND"},
      {"arrange", 64, [] { PressKey('L', kAlt); }, nullptr},
      {"menu bars off", 8, [] { PressKey('M', kAlt); }, L"SETUP"},
      {"quick left", 64, [] { PressKey(VK_NUMPAD4, kAlt); }, nullptr},
  };
  const Script scripts[] = {
      {"Shift+Q, W",
       [] {
         PressKey('Q', kShift);
         PressKey('W');
       }},
      {"Ctrl+C", [] { PressKey('C', kCtrl); }},
      {"Ctrl+Alt+K", [] { PressKey('K', kCtrl | kAlt); }},
      {"Alt+F, web, Enter",
       [] {
         PressKey('F', kAlt);
         TypeText(L"web");
         PressKey(VK_RETURN);
       }},
      {"invert, Z",
       [&] {
         ClickWindow(P().invertSelection);
         PressKey('Z');
       }},
      {"Alt+B, X",
       [] {
         PressKey('B', kAlt);
         PressKey('X');
       }},
      {"a Unicode packet", [] { TypeText(L"é"); }},
      {"Esc", [] { PressKey(VK_ESCAPE); }, true},
  };
  for (const Operation& op : operations) {
    for (const Script& script : scripts) {
      SCOPED_TRACE(std::string(op.name) + " / " + script.name);
      auto during = run(op, script, true);
      if (!during) continue;
      ExpectSound(*during, "typed during");
      if (script.cancels) {
        const auto escaped = [](const Outcome& run) {
          for (const std::wstring& keys : run.keys) {
            if (keys.find(L"0x1B ") != std::wstring::npos) return true;
          }
          return false;
        };
        for (int again = 0; again < 2 && during && escaped(*during); ++again) {
          during = runAgain(op, script, "a terminal got Esc");  // as below
        }
        if (during) {
          EXPECT_FALSE(escaped(*during)) << "a terminal got Esc";
        }
        continue;
      }
      const auto after = run(op, script, false);
      if (!after) continue;
      ExpectSound(*after, "typed after");
      for (int again = 0; again < 2 && during && !Differences(*during, *after).empty(); ++again) {
        during = runAgain(op, script, Differences(*during, *after));
      }
      if (!during) continue;
      EXPECT_EQ(during->keys, after->keys) << "each node's keys, then other's";
      EXPECT_EQ(during->filter, after->filter);
      EXPECT_EQ(during->focus, after->focus) << "the focus, as a Panel member";
      EXPECT_EQ(during->marked, after->marked);
      EXPECT_EQ(during->inFront, after->inFront);
    }
  }
}

TEST_F(TypedDuring, AClosesDuringAPasteDropsWhatWasTypedBefore) {
  ASSERT_TRUE(StartWith(8) && Paste(L"two\nlines"));
  ASSERT_TRUE(WaitUntil([&] { return Count(L"PASTECOMMAND") >= 2; }, 10s));
  PressKey('M', kAlt);
  PostMessageW(app.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(app.Process().WaitForExit(10s) && nodes_->Sync());
  EXPECT_EQ(Count(L"SETUP"), 0u) << "Alt+M typed before the close ran nothing";
}

TEST_F(TypedDuring, APasteStopsWhereTheClipboardNoLongerHoldsTheConfirmedText) {
  constexpr int kNodes = 8;
  const auto otherText = [] { return SetClipboardText(L"echo B\necho B2"); };
  const struct {
    const char* name;
    std::function<bool()> change;
    bool beforeOk;  // else once two terminals have been asked to paste
  } cases[] = {
      {"changed while confirming", otherText, true},
      {"changed midway", otherText, false},
      {"emptied midway", [] { return EmptyTheClipboard(); }, false},
      {"not text midway",
       [] { return SetClipboardBytes(RegisterClipboardFormatW(L"Flockhand test shape"), "shape"); },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(StartWith(kNodes) &&
                Paste(L"echo A\necho A2", c.beforeOk ? c.change : std::function<bool()>()));
    if (!c.beforeOk) {
      ASSERT_TRUE(WaitUntil([&] { return Count(L"PASTECOMMAND") >= 2; }, 10s) && c.change());
    }
    ASSERT_TRUE(WaitUntil([&] { return WindowText(app.Main()) == L"Flockhand"; }, 30s) &&
                app.Idle() && nodes_->Sync());
    const size_t pasted = Count(L"PASTE");
    EXPECT_EQ(Count(L"PASTE", L"echo A\necho A2"), pasted) << "the confirmed text only";
    if (c.beforeOk) {
      EXPECT_EQ(pasted, 0u);
    }
    EXPECT_TRUE(app.NoticeShows(
        L"クリップボードが変わったため、残りのウィンドウには貼り付けませんでした（" +
        std::to_wstring(pasted) + L" / " + std::to_wstring(kNodes) + L"）。"));
  }
}

}  // namespace
}  // namespace e2e
