// Flockhand right after start-up: every control as created, the tooltips, the size limits,
// a second copy, and the exit code.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

struct ExpectedControl {
  const wchar_t* name;
  HWND Panel::*handle;
  const wchar_t* className;
  bool inGroup;
  DWORD exStyle;
  DWORD style;  // without WS_DISABLED
  int id;
  const wchar_t* text;
};

constexpr DWORD kEdge = WS_EX_CLIENTEDGE;
const ExpectedControl kControls[] = {
    {L"CommandBox", &Panel::commandBox, L"Edit", false, kEdge, 0x50800000, 0, L""},
    {L"CompactButton", &Panel::compactButton, L"Button", false, 0, 0x50000000, 0, L""},
    {L"ListCaption", &Panel::listCaption, L"Static", false, 0, 0x50000100, 0,
     L"TeraTerm ウィンドウ一覧"},
    {L"FilterBox", &Panel::filterBox, L"Edit", false, kEdge, 0x50800000, 2000, L""},
    {L"TerminalListBox", &Panel::terminalList, L"ListBox", false, kEdge, 0x50A00801, 2001, L""},
    {L"ReverseOrderButton", &Panel::reverseOrder, L"Button", false, 0, 0x50000000, 0,
     L"並び順を反転"},
    {L"InvertSelectionButton", &Panel::invertSelection, L"Button", false, 0, 0x50000000, 0,
     L"選択を反転"},
    {L"FlashButton", &Panel::flash, L"Button", false, 0, 0x50000000, 0, L"点滅"},
    {L"WindowOpsGroup", &Panel::group, L"Button", false, 0, 0x50000007, 0, L"ウィンドウ操作"},
    {L"DisplayCombo", &Panel::display, L"ComboBox", true, 0, 0x50000003, 2002, nullptr},
    {L"MenuBarButton", &Panel::menuBar, L"Button", true, 0, 0x50000000, 0, L"MenuBar Off"},
    {L"AreaCombo", &Panel::area, L"ComboBox", true, 0, 0x50000003, 2002, L"画面いっぱい"},
    {L"ColumnsLabel", &Panel::columnsLabel, L"Static", true, 0, 0x50000000, 0, L"列"},
    {L"ColumnsEdit", &Panel::columnsEdit, L"Edit", true, kEdge, 0x50802002, 0, L"2"},
    {L"RowsLabel", &Panel::rowsLabel, L"Static", true, 0, 0x50000000, 0, L"行"},
    {L"RowsEdit", &Panel::rowsEdit, L"Edit", true, kEdge, 0x50802002, 0, L"2"},
    {L"ArrangeButton", &Panel::arrange, L"Button", true, 0, 0x50000000, 0, L"並べる"},
    {L"HideOthersButton", &Panel::hideOthers, L"Button", true, 0, 0x50000000, 0, L"他を隠す"},
    {L"RefreshButton", &Panel::refresh, L"Button", false, 0, 0x50000000, 0,
     L"TeraTermウィンドウ更新"},
    {L"HelpButton", &Panel::help, L"Button", false, 0, 0x50000000, 0, L""},
    {L"SelectionCountLabel", &Panel::counter, L"Static", false, 0, 0x50000002, 0,
     L"選択ウィンドウ数：  0  "},
};

// The seven operation controls are disabled while nothing is selected.
bool DisabledAtStart(HWND Panel::*handle) {
  return handle == &Panel::display || handle == &Panel::menuBar || handle == &Panel::area ||
         handle == &Panel::columnsEdit || handle == &Panel::rowsEdit || handle == &Panel::arrange ||
         handle == &Panel::hideOthers;
}

RECT RectInParent(HWND control) {
  RECT rect = WindowRect(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectRect(HWND control, int x, int y, int width, int height, const wchar_t* name) {
  const RECT r = RectInParent(control);
  EXPECT_EQ(r.left, x) << Utf8(name);
  EXPECT_EQ(r.top, y) << Utf8(name);
  EXPECT_EQ(r.right - r.left, width) << Utf8(name);
  EXPECT_EQ(r.bottom - r.top, height) << Utf8(name);
}

// Where every control must be for a client size of w x h.
void ExpectLayout(const Panel& p, int w, int h) {
  SCOPED_TRACE(testing::Message() << "client " << w << " x " << h);
  ExpectRect(p.commandBox, 10, 8, w - 20, 21, L"CommandBox");
  ExpectRect(p.compactButton, 10, 38, 18, 18, L"CompactButton");
  ExpectRect(p.listCaption, 30, 40, 150, 20, L"ListCaption");
  ExpectRect(p.filterBox, 10, 60, w - 160, 21, L"FilterBox");
  // A list box without LBS_NOINTEGRALHEIGHT rounds its height down to whole rows.
  const RECT list = RectInParent(p.terminalList);
  EXPECT_EQ(list.left, 10);
  EXPECT_EQ(list.top, 80);
  EXPECT_EQ(list.right - list.left, w - 160);
  EXPECT_LE(list.bottom - list.top, h - 205);
  EXPECT_GT(list.bottom - list.top, h - 205 - 20);
  ExpectRect(p.reverseOrder, 10, h - 123, w - 160, 22, L"ReverseOrderButton");
  ExpectRect(p.invertSelection, 10, h - 98, w - 220, 22, L"InvertSelectionButton");
  ExpectRect(p.flash, w - 205, h - 98, 55, 22, L"FlashButton");
  ExpectRect(p.group, w - 140, 55, 130, h - 130, L"WindowOpsGroup");
  ExpectRect(p.refresh, 10, h - 68, w - 20, 30, L"RefreshButton");
  ExpectRect(p.help, 10, h - 32, 24, 24, L"HelpButton");
  ExpectRect(p.counter, w - 160, h - 30, 150, 20, L"SelectionCountLabel");
  ExpectRect(p.menuBar, 8, 45, 115, 22, L"MenuBarButton");
  ExpectRect(p.columnsLabel, 8, 105, 15, 20, L"ColumnsLabel");
  ExpectRect(p.columnsEdit, 23, 100, 40, 21, L"ColumnsEdit");
  ExpectRect(p.rowsLabel, 68, 105, 15, 20, L"RowsLabel");
  ExpectRect(p.rowsEdit, 83, 100, 40, 21, L"RowsEdit");
  ExpectRect(p.arrange, 8, 125, 115, h - 290, L"ArrangeButton");
  ExpectRect(p.hideOthers, 8, h - 160, 115, 22, L"HideOthersButton");
}

TEST(Startup, EveryControlIsCreatedAsSpecified) {
  Flockhand app;
  ASSERT_TRUE(app.Ready()) << "Flockhand's window with its 21 controls did not appear";
  const Panel& p = app.Controls();
  for (const ExpectedControl& c : kControls) {
    SCOPED_TRACE(Utf8(c.name));
    HWND control = p.*c.handle;
    EXPECT_EQ(ClassName(control), c.className);
    EXPECT_EQ(GetParent(control), c.inGroup ? p.group : app.Main());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE)) & ~WS_EX_NOPARENTNOTIFY,
              c.exStyle);
    // Wine's list box drops WS_VSCROLL while it has nothing to scroll.
    DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    if (c.handle == &Panel::terminalList) style |= WS_VSCROLL;
    EXPECT_EQ(style & ~WS_DISABLED & ~0xFFFFu, c.style & ~0xFFFFu) << std::hex << style;
    EXPECT_EQ(style & 0xFFFFu & ~(CBS_HASSTRINGS), c.style & 0xFFFFu) << std::hex << style;
    EXPECT_EQ((style & WS_DISABLED) != 0, DisabledAtStart(c.handle));
    EXPECT_EQ(GetDlgCtrlID(control), c.id);
    if (c.text) {
      EXPECT_EQ(Utf8(WindowText(control)), Utf8(c.text));
    }
  }
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(app.Main(), GWL_STYLE)) & 0xFFFF0000u &
                ~(WS_VISIBLE | WS_CLIPSIBLINGS),
            0x00CE0000u);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(app.Main(), GWL_EXSTYLE)) &
                (WS_EX_LAYERED | WS_EX_COMPOSITED),
            0x02080000u);
  const RECT outer = WindowRect(app.Main());
  EXPECT_EQ(outer.right - outer.left, 420);
  EXPECT_EQ(outer.bottom - outer.top, 370);
  const RECT client = ClientRect(app.Main());
  ExpectLayout(p, client.right, client.bottom);
}

TEST(Startup, AreaListAndOpacity) {
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  const wchar_t* areas[] = {L"画面いっぱい", L"左半分", L"上半分", L"右半分", L"下半分"};
  ASSERT_EQ(SendMessageW(app.Controls().area, CB_GETCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Utf8(ComboItemText(app.Controls().area, i)), Utf8(areas[i]));
  EXPECT_EQ(SendMessageW(app.Controls().area, CB_GETCURSEL, 0, 0), 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(app.Main(), nullptr, &alpha, &flags))
      << "the layered window's attributes are set right after creation";
  EXPECT_EQ(alpha, 255);
  EXPECT_TRUE(flags & LWA_ALPHA);
}

// Reads every tool of the tooltips of a process through memory allocated inside it: the
// TTM_ messages carry pointers that are not marshalled between processes.
struct ToolDescription {
  HWND control;
  UINT flags;
  RECT rect;
  std::wstring text;
  int maxWidth;
};

std::vector<ToolDescription> ReadTools(DWORD pid) {
  std::vector<ToolDescription> tools;
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return tools;
  constexpr size_t kTextUnits = 1024;
  const size_t size = sizeof(TTTOOLINFOW) + kTextUnits * sizeof(wchar_t);
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  for (HWND tip : TopLevelWindows(pid, L"tooltips_class32")) {
    const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TTTOOLINFOW info{};
      info.cbSize = TTTOOLINFOW_V2_SIZE;
      info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
      WriteProcessMemory(process, remote, &info, sizeof(info), nullptr);
      if (!SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote))) continue;
      ReadProcessMemory(process, remote, &info, sizeof(info), nullptr);
      std::wstring text(kTextUnits, L'\0');
      ReadProcessMemory(process, remote + sizeof(TTTOOLINFOW), text.data(),
                        kTextUnits * sizeof(wchar_t), nullptr);
      text.resize(wcsnlen(text.c_str(), kTextUnits));
      tools.push_back({info.hwnd, info.uFlags, info.rect, text,
                       static_cast<int>(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0))});
    }
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return tools;
}

TEST(Startup, TwelveTooltipsWithTheirTextsAndWidths) {
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  const Panel& p = app.Controls();
  const struct {
    HWND control;
    const wchar_t* text;
    int width;
  } expected[] = {
      {p.commandBox,
       L"ここにコマンドを入力してください。\nダブルクリックで半透明にもなります。\nAlt+I "
       L"でフォーカスが移動します。",
       200},
      {p.filterBox,
       L"TeraTermウィンドウをフィルタリングできます。\nAlt+F でフォーカスが移動します。", 300},
      {p.terminalList,
       L"操作するTeraTermウィンドウを選択してください。\nAlt+A で全選択ができます。", 300},
      {p.reverseOrder, L"並び順を反転させることができます。\nF4", 300},
      {p.invertSelection, L"選択状態を反転させることができます。\nAlt+R", 300},
      {p.flash, L"選択されているTeraTermウィンドウを点滅させます。\nAlt+B", 300},
      {p.display, L"並べるディスプレイを指定できます。\nAlt+D でフォーカスが移動します。", 300},
      {p.menuBar, L"メニューバーの表示On/Offを切り換えます。\nAlt+M", 300},
      {p.area, L"並べる範囲を指定できます。\nAlt+S でフォーカスが移動します。", 300},
      {p.arrange, L"TeraTermウィンドウを並べます。\nAlt+L", 300},
      {p.hideOthers, L"選択されていないTeraTermウィンドウを最小化します。\nAlt+H", 300},
      {p.refresh, L"TeraTermウィンドウを更新します。\nF5", 300},
  };
  const std::vector<ToolDescription> tools = ReadTools(app.Process().Pid());
  ASSERT_EQ(tools.size(), std::size(expected)) << "one tool per tooltip, twelve in all";
  for (const auto& e : expected) {
    SCOPED_TRACE(Utf8(e.text));
    int found = 0;
    for (const ToolDescription& tool : tools) {
      if (tool.control != e.control) continue;
      ++found;
      EXPECT_EQ(Utf8(tool.text), Utf8(e.text));
      EXPECT_EQ(tool.flags & TTF_SUBCLASS, static_cast<UINT>(TTF_SUBCLASS));
      EXPECT_EQ(tool.maxWidth, e.width);
    }
    EXPECT_EQ(found, 1);
  }
}

TEST(Startup, LayoutAndToolRectanglesFollowTheWindowSize) {
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  SetWindowPos(app.Main(), nullptr, 0, 0, 900, 760, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(WaitUntil(
      [&] { return WindowRect(app.Main()).bottom - WindowRect(app.Main()).top == 760; }, 5s));
  const RECT client = ClientRect(app.Main());
  ExpectLayout(app.Controls(), client.right, client.bottom);
  for (const ToolDescription& tool : ReadTools(app.Process().Pid())) {
    const RECT controlClient = ClientRect(tool.control);
    EXPECT_TRUE(EqualRect(&tool.rect, &controlClient))
        << Utf8(tool.text) << ": tool rectangle " << tool.rect.right << " x " << tool.rect.bottom
        << ", control " << controlClient.right << " x " << controlClient.bottom;
  }
}

TEST(Startup, Command105EndsTheProgram) {
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  PostMessageW(app.Main(), WM_COMMAND, 105, 0);
  ASSERT_TRUE(app.Process().WaitForExit(10s));
  EXPECT_EQ(app.Process().ExitCode().value_or(1234), 0u);
}

TEST(Startup, SecondCopyReportsTheTakenHotKey) {
  Flockhand first;
  ASSERT_TRUE(first.Ready());
  Flockhand second;
  ASSERT_TRUE(second.Ready()) << "a second copy still shows its own window";
  EXPECT_TRUE(second.Process().WaitForDebugLine(L"NG!", 5s).has_value())
      << "the second copy cannot register Ctrl+Shift+T";
  for (const std::wstring& line : first.Process().DebugLines()) {
    EXPECT_EQ(line.find(L"NG!"), std::wstring::npos) << "the first copy owns the hot key";
  }
}

TEST(Startup, ClosingTheWindowEndsWithExitCodeZero) {
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(app.Process().WaitForExit(10s)) << "the process did not end after WM_CLOSE";
  EXPECT_EQ(app.Process().ExitCode().value_or(1234), 0u);
}

}  // namespace
}  // namespace e2e
