// Flockhand right after start-up: every control as created, the tooltips, the size limits,
// a second copy, and the exit code.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using Startup = FlockhandTest;

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
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON;
constexpr DWORD kCombo = kChild | CBS_DROPDOWNLIST;
constexpr DWORD kNumber = kChild | WS_BORDER | ES_NUMBER | ES_RIGHT;
const ExpectedControl kControls[] = {
    {L"CommandBox", &Panel::commandBox, L"Edit", false, kEdge, kChild | WS_BORDER, 0, L""},
    {L"CompactButton", &Panel::compactButton, L"Button", false, 0, kButton, 0, L""},
    {L"ListCaption", &Panel::listCaption, L"Static", false, 0, kChild | SS_LEFT | SS_NOTIFY, 0,
     L"TeraTerm ウィンドウ一覧"},
    {L"FilterBox", &Panel::filterBox, L"Edit", false, kEdge, kChild | WS_BORDER, 2000, L""},
    {L"TerminalListBox", &Panel::terminalList, L"ListBox", false, kEdge,
     kChild | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY, 2001, L""},
    {L"ReverseOrderButton", &Panel::reverseOrder, L"Button", false, 0, kButton, 0, L"並び順を反転"},
    {L"InvertSelectionButton", &Panel::invertSelection, L"Button", false, 0, kButton, 0,
     L"選択を反転"},
    {L"FlashButton", &Panel::flash, L"Button", false, 0, kButton, 0, L"点滅"},
    {L"WindowOpsGroup", &Panel::group, L"Button", false, 0, kChild | BS_GROUPBOX, 0,
     L"ウィンドウ操作"},
    {L"DisplayCombo", &Panel::display, L"ComboBox", true, 0, kCombo, 2002, nullptr},
    {L"MenuBarButton", &Panel::menuBar, L"Button", true, 0, kButton, 0, L"MenuBar Off"},
    {L"AreaCombo", &Panel::area, L"ComboBox", true, 0, kCombo, 2002, L"画面いっぱい"},
    {L"ColumnsLabel", &Panel::columnsLabel, L"Static", true, 0, kChild | SS_LEFT, 0, L"列"},
    {L"ColumnsEdit", &Panel::columnsEdit, L"Edit", true, kEdge, kNumber, 0, L"2"},
    {L"RowsLabel", &Panel::rowsLabel, L"Static", true, 0, kChild | SS_LEFT, 0, L"行"},
    {L"RowsEdit", &Panel::rowsEdit, L"Edit", true, kEdge, kNumber, 0, L"2"},
    {L"ArrangeButton", &Panel::arrange, L"Button", true, 0, kButton, 0, L"並べる"},
    {L"HideOthersButton", &Panel::hideOthers, L"Button", true, 0, kButton, 0, L"他を隠す"},
    {L"RefreshButton", &Panel::refresh, L"Button", false, 0, kButton, 0, L"TeraTermウィンドウ更新"},
    {L"HelpButton", &Panel::help, L"Button", false, 0, kButton, 0, L""},
    {L"SelectionCountLabel", &Panel::counter, L"Static", false, 0, kChild | SS_RIGHT, 0,
     L"選択ウィンドウ数：  0  "},
};

// The client area Wine's frame leaves of the 420 x 370 start-up window, and a larger one.
constexpr SIZE kSmall = {412, 343}, kLarge = {892, 733};

struct Place {
  int x, y, width, height;
};

// Each control's rectangle in its parent at the client sizes kSmall and kLarge.
const struct {
  const wchar_t* name;
  HWND Panel::*handle;
  Place small, large;
} kPlaces[] = {
    {L"CommandBox", &Panel::commandBox, {10, 8, 392, 21}, {10, 8, 872, 21}},
    {L"CompactButton", &Panel::compactButton, {10, 38, 18, 18}, {10, 38, 18, 18}},
    {L"ListCaption", &Panel::listCaption, {30, 40, 150, 20}, {30, 40, 150, 20}},
    {L"FilterBox", &Panel::filterBox, {10, 60, 252, 21}, {10, 60, 732, 21}},
    {L"TerminalListBox", &Panel::terminalList, {10, 80, 252, 138}, {10, 80, 732, 528}},
    {L"ReverseOrderButton", &Panel::reverseOrder, {10, 220, 252, 22}, {10, 610, 732, 22}},
    {L"InvertSelectionButton", &Panel::invertSelection, {10, 245, 192, 22}, {10, 635, 672, 22}},
    {L"FlashButton", &Panel::flash, {207, 245, 55, 22}, {687, 635, 55, 22}},
    {L"WindowOpsGroup", &Panel::group, {272, 55, 130, 213}, {752, 55, 130, 603}},
    {L"DisplayCombo", &Panel::display, {8, 18, 115, 100}, {8, 18, 115, 100}},
    {L"MenuBarButton", &Panel::menuBar, {8, 45, 115, 22}, {8, 45, 115, 22}},
    {L"AreaCombo", &Panel::area, {8, 75, 115, 100}, {8, 75, 115, 100}},
    {L"ColumnsLabel", &Panel::columnsLabel, {8, 105, 15, 20}, {8, 105, 15, 20}},
    {L"ColumnsEdit", &Panel::columnsEdit, {23, 100, 40, 21}, {23, 100, 40, 21}},
    {L"RowsLabel", &Panel::rowsLabel, {68, 105, 15, 20}, {68, 105, 15, 20}},
    {L"RowsEdit", &Panel::rowsEdit, {83, 100, 40, 21}, {83, 100, 40, 21}},
    {L"ArrangeButton", &Panel::arrange, {8, 125, 115, 53}, {8, 125, 115, 443}},
    {L"HideOthersButton", &Panel::hideOthers, {8, 183, 115, 22}, {8, 573, 115, 22}},
    {L"RefreshButton", &Panel::refresh, {10, 275, 392, 30}, {10, 665, 872, 30}},
    {L"HelpButton", &Panel::help, {10, 311, 24, 24}, {10, 701, 24, 24}},
    {L"SelectionCountLabel", &Panel::counter, {252, 313, 150, 20}, {732, 703, 150, 20}},
};

// The seven operation controls are disabled while nothing is selected.
bool DisabledAtStart(HWND Panel::*handle) {
  return handle == &Panel::display || handle == &Panel::menuBar || handle == &Panel::area ||
         handle == &Panel::columnsEdit || handle == &Panel::rowsEdit || handle == &Panel::arrange ||
         handle == &Panel::hideOthers;
}

// Sizes the window for a client area of exactly size (frames differ between Windows and Wine).
bool SetClientSize(HWND window, SIZE size) {
  const RECT outer = WindowRect(window), client = ClientRect(window);
  SetWindowPos(window, nullptr, 0, 0, size.cx + (outer.right - outer.left) - client.right,
               size.cy + (outer.bottom - outer.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
  return WaitUntil(
      [&] { return ClientRect(window).right == size.cx && ClientRect(window).bottom == size.cy; },
      5s);
}

std::string Text(const RECT& r) {
  return std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right - r.left) + ", " + std::to_string(r.bottom - r.top);
}

// Every control's rectangle in its parent. A combo box's height of 100 is that of its
// dropped-down list (which Wine's CB_GETDROPPEDCONTROLRECT reports without the field), so its
// height is not compared; a list box without LBS_NOINTEGRALHEIGHT shortens itself to whole rows.
void ExpectPlaces(const Panel& p, bool large) {
  for (const auto& c : kPlaces) {
    HWND control = p.*c.handle;
    const Place& place = large ? c.large : c.small;
    RECT r = WindowRect(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    if (control == p.terminalList) {
      const LONG rowHeight = static_cast<LONG>(SendMessageW(control, LB_GETITEMHEIGHT, 0, 0));
      EXPECT_LE(r.bottom - r.top, place.height);
      EXPECT_GT(r.bottom - r.top, place.height - rowHeight) << "more than a row shorter";
    }
    if (control == p.terminalList || control == p.display || control == p.area) {
      r.bottom = r.top + place.height;
    }
    const RECT expected{place.x, place.y, place.x + place.width, place.y + place.height};
    EXPECT_EQ(Text(r), Text(expected)) << Utf8(c.name) << (large ? " large" : " small");
  }
}

TEST_F(Startup, EveryControlHasItsClassStyleTextAndPlace) {
  ASSERT_TRUE(Start());
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
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(app.Main(), GWL_EXSTYLE)) &
                (WS_EX_LAYERED | WS_EX_COMPOSITED),
            static_cast<DWORD>(WS_EX_LAYERED | WS_EX_COMPOSITED));
  const RECT outer = WindowRect(app.Main());
  EXPECT_EQ(outer.right - outer.left, 420);
  EXPECT_EQ(outer.bottom - outer.top, 370);
  ASSERT_TRUE(SetClientSize(app.Main(), kSmall));
  ExpectPlaces(p, false);
}

TEST_F(Startup, AreaListAndOpacity) {
  ASSERT_TRUE(Start());
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

TEST_F(Startup, TwelveTooltipsWithTheirTextsAndWidths) {
  ASSERT_TRUE(Start());
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

TEST_F(Startup, LayoutAndToolRectanglesFollowTheWindowSize) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(SetClientSize(app.Main(), kLarge));
  // Minimised, the layout runs for a client area of 0 x 0; restored, everything is back.
  ShowWindow(app.Main(), SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(app.Main()) != FALSE; }, 5s));
  ShowWindow(app.Main(), SW_RESTORE);
  ASSERT_TRUE(WaitUntil([&] { return ClientRect(app.Main()).right == kLarge.cx; }, 5s));
  ExpectPlaces(app.Controls(), true);
  for (const ToolDescription& tool : ReadTools(app.Process().Pid())) {
    const RECT controlClient = ClientRect(tool.control);
    EXPECT_TRUE(EqualRect(&tool.rect, &controlClient))
        << Utf8(tool.text) << ": tool rectangle " << tool.rect.right << " x " << tool.rect.bottom
        << ", control " << controlClient.right << " x " << controlClient.bottom;
  }
}

TEST_F(Startup, Command105EndsTheProgram) {
  ASSERT_TRUE(Start());
  PostMessageW(app.Main(), WM_COMMAND, 105, 0);
  ASSERT_TRUE(app.Process().WaitForExit(10s));
  EXPECT_EQ(app.Process().ExitCode().value_or(1234), 0u);
}

TEST_F(Startup, SecondCopyReportsTheTakenHotKey) {
  ASSERT_TRUE(Start());
  Flockhand second;
  ASSERT_TRUE(second.Ready()) << "a second copy still shows its own window";
  EXPECT_TRUE(second.Process().WaitForDebugLine(kHotKeyTakenLine, 5s).has_value())
      << "the second copy cannot register Ctrl+Shift+T";
  for (const std::wstring& line : app.Process().DebugLines()) {
    EXPECT_EQ(line.find(kHotKeyTakenLine), std::wstring::npos) << "the first copy owns the hot key";
  }
}

TEST_F(Startup, ClosingTheWindowEndsWithExitCodeZero) {
  ASSERT_TRUE(Start());
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(app.Process().WaitForExit(10s)) << "the process did not end after WM_CLOSE";
  EXPECT_EQ(app.Process().ExitCode().value_or(1234), 0u);
}

}  // namespace
}  // namespace e2e
