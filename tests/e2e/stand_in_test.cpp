// The stand-in terminal where a fault of its own would let a product test pass wrongly: a
// message it fails to record, a sync line that overtakes earlier posts, a show option or a hang
// that does not happen, a setup dialog that applies what was never confirmed.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "harness/record.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"
#include "terminals/terminal_contract.h"
#include "terminals/terminal_dialog.h"

namespace e2e {
namespace {

// "EVENT args" for each line of window after the first skip lines of the record, of the events
// named (all when none are).
std::vector<std::wstring> LinesOf(const StandIn& terminals, HWND window, size_t skip,
                                  const std::vector<std::wstring>& events = {}) {
  std::vector<std::wstring> lines;
  const std::vector<RecordLine> record = terminals.Record();
  for (size_t i = skip; i < record.size(); ++i) {
    const RecordLine& line = record[i];
    if (line.window != window) continue;
    if (!events.empty() && std::find(events.begin(), events.end(), line.event) == events.end()) {
      continue;
    }
    lines.push_back(line.args.empty() ? line.event : line.event + L" " + line.args);
  }
  return lines;
}

// Every message a test may assert to be absent is recorded when it does arrive, in order, with
// its parameters (lParam as its low 32 bits), untranslated, and before the sync line posted
// after it. A key after Alt is still recorded: no menu loop swallows it.
TEST(StandInTerminal, RecordsEveryPostedMessageBeforeTheSyncLine) {
  StandIn terminal;
  ASSERT_TRUE(terminal.Started()) << terminal.Error();
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const wchar_t* line;
  } posted[] = {
      {WM_KEYDOWN, 'A', 0x001E0001, L"KEYDOWN 0x41 0x001E0001"},
      {WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001u), L"KEYUP 0x41 0xC01E0001"},
      {WM_CHAR, 0x3042, static_cast<LPARAM>(0xFFFFFFFF801E0001ull), L"CHAR 0x3042 0x801E0001"},
      {WM_SYSKEYDOWN, VK_MENU, 0x20380001, L"SYSKEYDOWN 0x12 0x20380001"},
      {WM_SYSKEYUP, VK_MENU, static_cast<LPARAM>(0xC0380001u), L"SYSKEYUP 0x12 0xC0380001"},
      {WM_KEYDOWN, 'B', 0x00300001, L"KEYDOWN 0x42 0x00300001"},
      {WM_SYSCOMMAND, SC_RESTORE, 0, L"SYSCOMMAND 0xF120"},
      {WM_ACTIVATE, WA_CLICKACTIVE, 0, L"ACTIVATE 2"},
      {WM_COMMAND, 12345, 0, L"COMMAND 12345"},
  };
  const size_t before = terminal.Record().size();
  for (const auto& m : posted) PostMessageW(terminal.Window(), m.message, m.wParam, m.lParam);
  ASSERT_TRUE(terminal.Sync());
  std::vector<std::wstring> expected;
  for (const auto& m : posted) expected.push_back(m.line);
  std::vector<std::wstring> lines = LinesOf(terminal, terminal.Window(), before);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().rfind(L"SYNC ", 0), 0u) << Joined(lines);
  lines.pop_back();
  EXPECT_EQ(lines, expected) << Joined(lines);
}

TEST(StandInTerminal, ShowOptionsGiveTheirShowStates) {
  const struct {
    const wchar_t* option;
    bool visible, minimised, maximised;
  } cases[] = {
      {L"--show=normal", true, false, false},
      {L"--show=min", true, true, false},
      {L"--show=max", true, false, true},
      {L"--show=hidden", false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.option));
    StandIn terminal({c.option});
    ASSERT_TRUE(terminal.Started()) << terminal.Error();
    EXPECT_EQ(IsWindowVisible(terminal.Window()) != FALSE, c.visible);
    EXPECT_EQ(IsIconic(terminal.Window()) != FALSE, c.minimised);
    EXPECT_EQ(IsZoomed(terminal.Window()) != FALSE, c.maximised);
  }
}

// A hung terminal answers no sent message (within a bound), takes posted ones without handling
// them, and counts as hung once its queue has gone unread for a while (5 s under Wine).
TEST(StandInTerminal, HungWindowsAnswerNothingButTakePosts) {
  StandIn hung({L"--hung", L"--count=2"});
  ASSERT_TRUE(hung.Started()) << hung.Error();
  for (HWND window : hung.Windows()) {
    DWORD_PTR result = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_TRUE(PostMessageW(window, WM_KEYDOWN, 'A', 0x001E0001));
  }
  EXPECT_TRUE(WaitUntil([&] { return IsHungAppWindow(hung.Window(0)) != FALSE; }, 20s));
  EXPECT_FALSE(hung.Sync(1s)) << "a hung window handled the sync message";
  EXPECT_TRUE(Events(hung.Record(), nullptr, L"KEYDOWN").empty());
}

// The window-setup dialog applies the title and the menu-bar check only when OK confirms them.
TEST(StandInTerminal, SetupDialogAppliesOnlyWhatOkConfirms) {
  StandIn terminals({L"--title=setup", L"--count=3"});
  ASSERT_TRUE(terminals.Started()) << terminals.Error();
  const std::vector<std::wstring> kApplying = {L"SETUPOK", L"SETUPCANCEL", L"TITLE", L"MENUBAR"};
  const struct {
    bool hideMenuBar;
    int button;
    std::vector<std::wstring> applied;
  } cases[] = {
      {true, IDOK, {L"SETUPOK menubar=hidden title=renamed", L"TITLE renamed", L"MENUBAR hidden"}},
      {false, IDOK, {L"SETUPOK menubar=shown title=renamed", L"TITLE renamed"}},
      {true, IDCANCEL, {L"SETUPCANCEL"}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(i);
    const HWND window = terminals.Window(i);
    const std::wstring title = WindowText(window);
    const size_t before = terminals.Record().size();
    PostMessageW(window, WM_COMMAND, kTerminalWindowSetupCommand, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindTerminalDialog(window)) != nullptr; }, 5s));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kSetupTitleEdit)), title);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, kSetupTitleEdit), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(L"renamed"), SMTO_ABORTIFHUNG, 2000, &ignored);
    if (c.hideMenuBar) PostMessageW(GetDlgItem(dialog, kSetupHideMenuBarCheck), BM_CLICK, 0, 0);
    ASSERT_TRUE(terminals.Sync());
    EXPECT_EQ(Joined(LinesOf(terminals, window, before, kApplying)), "")
        << "applied before the dialog was closed";
    PostMessageW(GetDlgItem(dialog, c.button), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return FindTerminalDialog(window) == nullptr; }, 5s));
    ASSERT_TRUE(terminals.Sync());
    EXPECT_EQ(Joined(LinesOf(terminals, window, before, kApplying)), Joined(c.applied));
    EXPECT_EQ(WindowText(window), c.button == IDOK ? L"renamed" : title);
    EXPECT_EQ(GetMenu(window) == nullptr, c.hideMenuBar && c.button == IDOK);
  }
}

}  // namespace
}  // namespace e2e
