// Hostile input that no other suite covers: terminal titles with control characters,
// surrogate pairs, right-to-left marks and 5000 units; fkh.ini files that are garbage, out of
// range or a folder. Afterwards Flockhand still answers within a second and what it was given
// (terminals, files) ends up where it should and nowhere else.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
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

using BadInput = FlockhandTest;

std::vector<std::wstring> SortedRows(HWND list) {
  std::vector<std::wstring> rows = ListRows(list);
  std::sort(rows.begin(), rows.end());
  return rows;
}

TEST_F(BadInput, HostileTitlesAreListedFilteredAndArranged) {
  const std::wstring rtl = L"\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627";
  const std::vector<std::wstring> titles = {L"ctl a\tb\x01\x1b[2J\x7f",
                                            L"pair \U0001F600\U00020BB7 end", rtl + L" \u202Eevil",
                                            std::wstring(5000, L'z')};
  std::vector<StandIn> terminals;
  for (const auto& title : titles) {
    terminals.emplace_back(std::vector<std::wstring>{L"--title=" + title});
    ASSERT_TRUE(terminals.back().Started()) << terminals.back().Error();
  }
  std::vector<std::wstring> expected = titles;
  expected.back().resize(1023);  // a list row holds 1023 units
  std::sort(expected.begin(), expected.end());

  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  EXPECT_TRUE(WaitUntil([&] { return SortedRows(p.terminalList) == expected; }, 5s))
      << Joined(SortedRows(p.terminalList));
  EXPECT_TRUE(app.Answers(1s));

  ASSERT_TRUE(app.Activate());
  ASSERT_TRUE(Filter(rtl.substr(0, 4)));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(p.filterBox) == rtl.substr(0, 4); }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return SortedRows(p.terminalList) == std::vector{titles[2]}; }, 5s))
      << Joined(SortedRows(p.terminalList));
  SendMessageW(p.filterBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\U0001F600"));
  EXPECT_TRUE(WaitUntil([&] { return SortedRows(p.terminalList) == std::vector{titles[1]}; }, 5s))
      << Joined(SortedRows(p.terminalList));
  SendMessageW(p.filterBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  ASSERT_TRUE(app.WaitForRows(4));

  // All four in 2 x 2 on the 1280x1024 display: each in a cell of its own.
  for (HWND edit : {p.columnsEdit, p.rowsEdit}) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
  }
  ASSERT_TRUE(app.SelectAll(4));
  PressKey('L', kAlt);
  const std::set<std::vector<LONG>> cells = {
      {0, 0, 640, 512}, {640, 0, 1280, 512}, {0, 512, 640, 1024}, {640, 512, 1280, 1024}};
  const auto placed = [&] {
    std::set<std::vector<LONG>> rects;
    for (const auto& t : terminals) {
      const RECT r = WindowRect(t.Window());
      rects.insert({r.left, r.top, r.right, r.bottom});
    }
    return rects;
  };
  EXPECT_TRUE(WaitUntil([&] { return placed() == cells; }, 10s));
  EXPECT_TRUE(app.Answers(1s));
}

// A start with each of these files reads what it can, answers, and leaves the file as it was.
TEST_F(BadInput, BrokenSettingsFilesAreReadAndLeftAlone) {
  std::string garbage(1 << 20, '\0');
  unsigned seed = 12345;
  for (char& c : garbage) {
    seed = seed * 1103515245 + 12345;
    c = static_cast<char>(seed >> 16);
  }
  garbage.replace(4096, 30, "\r\n[BASE]\r\nalpha = 99999999999\r\n");
  const struct {
    const char* name;
    std::optional<std::string> file;  // nullopt: fkh.ini is a folder
  } cases[] = {
      {"1 MB of garbage", garbage},
      {"alpha -5", std::string("[BASE]\r\nalpha = -5\r\n")},
      {"alpha abc", std::string("[BASE]\r\nalpha = \"abc\"\r\npasteConfirm = \x01\r\n")},
      {"a folder", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedDocumentsFolder documents;
    const std::wstring ini = documents.File(L"fkh.ini");
    ASSERT_TRUE(c.file ? WriteFileBytes(ini, *c.file) : CreateDirectoryW(ini.c_str(), nullptr));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app.Answers(1s));
    ASSERT_TRUE(app.Activate());
    PressKey(VK_F5);  // a refresh does not read or write the file either
    EXPECT_TRUE(app.Answers(1s));
    app.End();
    if (c.file) {
      EXPECT_TRUE(ReadFileBytes(ini) == c.file);
    } else {
      EXPECT_NE(GetFileAttributesW(ini.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    }
  }
}

// Alt+V with the clipboard held open by this test, then with 10 MB of text in it: Flockhand
// answers at once; the terminals paste nothing, then the whole text.
TEST_F(BadInput, HeldOrHugeClipboardAnswersWithinASecond) {
  ScopedDocumentsFolder documents;  // every command at once: no dialog, no pauses
  ASSERT_TRUE(WriteFileBytes(documents.File(L"fkh.ini"),
                             "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = FALSE\r\n"));
  StandIn nodes({L"--title=node", L"--count=2"});
  ASSERT_TRUE(nodes.Started()) << nodes.Error();
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.SelectAll(2) && app.ClickToFocus(app.Controls().commandBox));

  std::wstring text(5'000'000, L'x');  // 10 MB, one line feed in the middle
  text[2'500'000] = L'\n';
  ASSERT_TRUE(SetClipboardText(text));
  ASSERT_TRUE(OpenClipboard(nullptr));
  PressKey('V', kAlt);
  EXPECT_TRUE(app.Answers(1s));
  EXPECT_TRUE(nodes.Sync());
  CloseClipboard();
  EXPECT_TRUE(Events(nodes.Record(), nullptr, L"PASTECOMMAND").empty()) << "held: nothing pasted";

  PressKey('V', kAlt);
  EXPECT_TRUE(app.Answers(1s));
  EXPECT_TRUE(nodes.WaitForRecord(
      [](const auto& record) { return Events(record, nullptr, L"PASTE").size() == 2; }, 60s));
  for (const RecordLine& paste : Events(nodes.Record(), nullptr, L"PASTE")) {
    EXPECT_TRUE(paste.args == text) << paste.args.size() << " units pasted";
  }
}

// 2000 terminals before Flockhand starts: all listed, all selected, and a key typed into the
// command box reaches each of them while Flockhand keeps answering.
TEST_F(BadInput, TwoThousandTerminalsAtStartAllGetTheKey) {
  StandIn terminals({L"--title=many", L"--count=2000"}, 120s);
  ASSERT_TRUE(terminals.Started()) << terminals.Error();
  ASSERT_TRUE(Start());
  const Panel& p = app.Controls();
  ASSERT_TRUE(app.WaitForRows(2000, 30s));
  EXPECT_TRUE(app.Answers(1s));
  ASSERT_TRUE(app.SelectAll(2000, 30s) && app.ClickToFocus(p.commandBox));
  PressKey('K');
  EXPECT_TRUE(terminals.WaitForRecord(
      [](const auto& record) { return Events(record, nullptr, L"KEYDOWN").size() >= 2000; }, 60s));
  EXPECT_TRUE(app.Answers(1s));
  ASSERT_TRUE(terminals.Sync(60s));
  const auto record = terminals.Record();
  for (HWND terminal : terminals.Windows()) {
    ASSERT_EQ(Events(record, terminal, L"KEYDOWN").size(), 1u) << "terminal " << terminal;
  }
}

}  // namespace
}  // namespace e2e
