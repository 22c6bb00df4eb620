// Flockhand at its session's display scale (96, 120, 144 and 192 DPI, a ctest run each): the
// window, compact mode and the dialogs at their 100 % sizes scaled, and every text whole in its
// control or tip, measured in the control's own font by text_measure.dll in Flockhand's thread.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

#include "harness/flockhand_test.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/window_find.h"
#include "text_measure/text_measure.h"

namespace e2e {
namespace {

using DisplayScaling = FlockhandTest;

// The 420 x 370 window, its 95-pixel compact height and the 9-point dialog font at the session's
// scale, worked out by hand.
struct Scale {
  int width, height, compactHeight, dialogFont;
};
Scale SessionScale() {
  switch (GetDpiForSystem()) {
    case 120: return {525, 463, 119, 15};
    case 144: return {630, 555, 143, 18};
    case 192: return {840, 740, 190, 24};
    default: EXPECT_EQ(GetDpiForSystem(), 96u); return {420, 370, 95, 12};
  }
}

// The hook is set on the window's thread for one measurement; the answer is in the block when
// the message sent to the window returns. An empty text measures the window's own.
SIZE TextExtent(HWND window, const std::wstring& text = {}) {
  static HMODULE dll = LoadLibraryW(NextToTests(L"text_measure.dll").c_str());
  static auto* block = static_cast<TextMeasureBlock*>(
      MapViewOfFile(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       sizeof(TextMeasureBlock), kTextMeasureName),
                    FILE_MAP_ALL_ACCESS, 0, 0, 0));
  HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "MeasureTextHook"))),
      dll, GetWindowThreadProcessId(window, nullptr));
  if (!hook || !block) return {-1, -1};
  block->size = {-1, -1};
  wcsncpy(block->text, text.c_str(), std::size(block->text) - 1);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, RegisterWindowMessageW(kTextMeasureName), 0, 0, SMTO_NORMAL, 5000,
                      &ignored);
  UnhookWindowsHookEx(hook);
  return block->size;
}

bool Is(const ChildInfo& c, const wchar_t* className, int type = -1) {
  return _wcsicmp(c.className.c_str(), className) == 0 && (type < 0 || int(c.style & 0xF) == type);
}

// Each text a control shows has room inside a button's edge, beside a check box's box or a
// combo box's button, in a list row beside the scroll bar, or in a label's or edit's client area.
void ExpectTextsFit(const ChildInfo& c) {
  const RECT client = ClientRect(c.hwnd);
  const int edge = 2 * GetSystemMetrics(SM_CXEDGE), scrollBar = GetSystemMetrics(SM_CXVSCROLL);
  std::vector<std::wstring> texts{c.text.empty() && Is(c, L"Edit") ? L"0" : c.text};
  SIZE room{client.right - edge, client.bottom - edge};
  if (Is(c, L"Static") || Is(c, L"Edit")) room = {client.right, client.bottom};
  if (Is(c, L"Button", BS_AUTOCHECKBOX)) room.cx -= GetSystemMetrics(SM_CXMENUCHECK);
  if (Is(c, L"ComboBox")) {
    texts.clear();
    for (int i = 0; i < SendMessageW(c.hwnd, CB_GETCOUNT, 0, 0); ++i) {
      texts.push_back(ComboItemText(c.hwnd, i));
    }
    room.cx -= scrollBar;
  }
  if (Is(c, L"ListBox")) {
    texts = ListRows(c.hwnd);
    room = {client.right - scrollBar, LONG(SendMessageW(c.hwnd, LB_GETITEMHEIGHT, 0, 0))};
  }
  for (const std::wstring& text : texts) {
    const SIZE size = text.empty() ? SIZE{} : TextExtent(c.hwnd, text);
    EXPECT_TRUE(size.cx >= 0 && size.cx <= room.cx && size.cy <= room.cy)
        << Utf8(text) << ": " << size.cx << " x " << size.cy << " in " << room.cx << " x "
        << room.cy;
  }
}

// The shown controls of parent and of its group boxes: texts whole and, in the panel, inside the
// parent and apart, but for the filter box (2000) on the list's (2001) top edge. The dialogs'
// templates overlap labels and check boxes on purpose.
void ExpectLaidOut(HWND parent, bool panel) {
  std::vector<ChildInfo> shown;
  for (const ChildInfo& c : Children(parent)) {
    if (c.style & WS_VISIBLE) shown.push_back(c);
  }
  RECT cut;
  const RECT area = ClientRect(parent);
  for (size_t i = 0; i < shown.size(); ++i) {
    const ChildInfo& c = shown[i];
    SCOPED_TRACE(Utf8(c.className + L" " + c.text));
    ExpectTextsFit(c);
    if (Is(c, L"Button", BS_GROUPBOX)) ExpectLaidOut(c.hwnd, panel);
    if (!panel) continue;
    EXPECT_TRUE(IntersectRect(&cut, &c.rect, &area) && EqualRect(&cut, &c.rect)) << "outside";
    for (size_t j = i + 1; j < shown.size(); ++j) {
      EXPECT_TRUE(!IntersectRect(&cut, &c.rect, &shown[j].rect) ||
                  (c.id == 2000 && shown[j].id == 2001))
          << "lies over " << Utf8(shown[j].className + L" " + shown[j].text);
    }
  }
}

TEST_F(DisplayScaling, PanelTipsAndCompactMode) {
  const Scale scale = SessionScale();
  StandIn terminals({L"--count=2", L"--title=db-primary ログ集約"});
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.WaitForRows(2));
  for (HWND tip : TopLevelWindows(app.Process().Pid(), L"tooltips_class32")) {
    EXPECT_LE(TextExtent(tip).cx, SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0)) << "a line breaks";
  }
  // Made as small as it gets, the window keeps its first size, the least of the full panel, and
  // then of compact mode (Alt+E).
  const auto size = [&] { return WindowRect(app.Main()); };
  for (const int height : {scale.height, scale.compactHeight}) {
    if (height == scale.compactHeight) PostMessageW(app.Main(), WM_COMMAND, 3004, 0);
    EXPECT_TRUE(WaitUntil([&] { return size().bottom - size().top == height; }, 5s));
    SetWindowPos(app.Main(), nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(size().right - size().left, scale.width) << height;
    EXPECT_EQ(size().bottom - size().top, height);
    ExpectLaidOut(app.Main(), true);
  }
}

// Made from the program's templates in this process, which runs at the same scale.
TEST_F(DisplayScaling, Dialogs) {
  const Scale scale = SessionScale();
  HMODULE module =
      LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  for (const int id : {103, 106, 113, 120}) {  // About, paste confirmation, options, group name
    SCOPED_TRACE(id);
    const HWND dialog = CreateDialogParamW(
        module, MAKEINTRESOURCEW(id), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -scale.dialogFont) << "9 points";
    ExpectLaidOut(dialog, false);
    DestroyWindow(dialog);
  }
  FreeLibrary(module);
}

}  // namespace
}  // namespace e2e
