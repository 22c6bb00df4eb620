// Flockhand at the display scale of its session (96, 120, 144 and 192 DPI, one ctest run each):
// the window, compact mode and the dialogs take their 100 % sizes scaled, every text is whole in
// its control, measured with the control's own font, and no control lies over another.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "harness/capture.h"
#include "harness/flockhand.h"
#include "harness/stand_in.h"
#include "harness/text.h"
#include "harness/text_extent.h"
#include "harness/tooltips.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

// The 420 x 370 window, its 95-pixel compact height, its 9-point dialog font and the 14 pixels
// across of the help button's disc at each scale, worked out by hand (halves rounded up).
struct Scale {
  int dpi;
  SIZE window;
  int compactHeight, dialogFont, disc;
};
constexpr Scale kScales[] = {{96, {420, 370}, 95, 12, 14},
                             {120, {525, 463}, 119, 15, 18},
                             {144, {630, 555}, 143, 18, 21},
                             {192, {840, 740}, 190, 24, 28}};

const Scale* SessionScale() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (const Scale& scale : kScales) {
    if (scale.dpi == dpi) return &scale;
  }
  return nullptr;
}

bool HasStyle(const ChildInfo& c, DWORD typeMask, DWORD type) { return (c.style & typeMask) == type; }
bool IsClass(const ChildInfo& c, const wchar_t* name) { return _wcsicmp(c.className.c_str(), name) == 0; }
bool IsGroupBox(const ChildInfo& c) { return IsClass(c, L"Button") && HasStyle(c, BS_TYPEMASK, BS_GROUPBOX); }

// The texts a control shows: its items, or its text (a line's worth for an empty edit).
std::vector<std::wstring> Texts(const ChildInfo& c) {
  if (IsClass(c, L"ComboBox")) {
    std::vector<std::wstring> items;
    for (int i = 0; i < static_cast<int>(SendMessageW(c.hwnd, CB_GETCOUNT, 0, 0)); ++i) {
      items.push_back(ComboItemText(c.hwnd, i));
    }
    return items;
  }
  if (IsClass(c, L"ListBox")) return ListRows(c.hwnd);
  if (IsClass(c, L"Edit") && c.text.empty()) return {L"0"};
  if (c.text.empty() || IsClass(c, L"msctls_trackbar32")) return {};
  return {c.text};
}

// The room a control has for one of its texts: inside a button's edge, beside a check box or a
// combo box's button, beside a list box's scroll bar and within its rows.
SIZE Room(const ChildInfo& c) {
  const RECT client = ClientRect(c.hwnd);
  const int edge = 2 * GetSystemMetrics(SM_CXEDGE);
  SIZE room{client.right, client.bottom};
  if (IsClass(c, L"Button") && !IsGroupBox(c)) {
    const bool check = HasStyle(c, BS_TYPEMASK, BS_AUTOCHECKBOX);
    room.cx -= check ? GetSystemMetrics(SM_CXMENUCHECK) + edge / 2 : edge;
    room.cy -= check ? 0 : edge;
  } else if (IsGroupBox(c)) {
    room.cx -= edge;
  } else if (IsClass(c, L"ComboBox")) {
    room.cx -= GetSystemMetrics(SM_CXVSCROLL) + edge;
  } else if (IsClass(c, L"ListBox")) {
    room = {room.cx - GetSystemMetrics(SM_CXVSCROLL),
            static_cast<LONG>(SendMessageW(c.hwnd, LB_GETITEMHEIGHT, 0, 0))};
  }
  return room;
}

// Where a control shows anything: a label only where its text is, a check box only where its box
// and text are (in the middle of its height).
RECT Shown(const ChildInfo& c) {
  RECT r = c.rect;
  const bool check = IsClass(c, L"Button") && HasStyle(c, BS_TYPEMASK, BS_AUTOCHECKBOX);
  if (!(IsClass(c, L"Static") || check) || c.text.empty()) return r;
  const SIZE text = TextExtent(c.hwnd, c.text);
  const int box = check ? GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE) : 0;
  if (check || HasStyle(c, SS_TYPEMASK, SS_LEFT)) r.right = r.left + box + text.cx;
  if (!check && HasStyle(c, SS_TYPEMASK, SS_RIGHT)) r.left = r.right - text.cx;
  if (check) r.top = (r.top + r.bottom - text.cy) / 2;
  r.bottom = r.top + text.cy;
  return r;
}

bool Within(const RECT& inner, const RECT& outer) {
  RECT both;
  return IntersectRect(&both, &inner, &outer) && EqualRect(&both, &inner);
}

// The filter box lies on the list's top edge, as it always has.
bool SharesAnEdgeByDesign(const ChildInfo& a, const ChildInfo& b) {
  return (a.id == 2000 && b.id == 2001) || (a.id == 2001 && b.id == 2000);
}

// Every shown control of parent, and of the group boxes in it: its texts fit it, it lies inside
// its parent, and it lies over no other.
void ExpectLaidOut(HWND parent) {
  std::vector<ChildInfo> shown;
  for (const ChildInfo& c : Children(parent)) {
    if (c.style & WS_VISIBLE) shown.push_back(c);
  }
  const RECT area = ClientRect(parent);
  for (size_t i = 0; i < shown.size(); ++i) {
    const ChildInfo& c = shown[i];
    SCOPED_TRACE(Utf8(c.className + L" \"" + c.text + L"\""));
    EXPECT_TRUE(Within(Shown(c), area)) << "outside its parent";
    const SIZE room = Room(c);
    for (const std::wstring& text : Texts(c)) {
      const SIZE size = TextExtent(c.hwnd, text);
      EXPECT_TRUE(size.cx >= 0 && size.cx <= room.cx && size.cy <= room.cy)
          << Utf8(text) << ": " << size.cx << " x " << size.cy << " in " << room.cx << " x "
          << room.cy;
    }
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const ChildInfo& d = shown[j];
      const RECT a = Shown(c), b = Shown(d);
      RECT both;
      if (!IntersectRect(&both, &a, &b) || SharesAnEdgeByDesign(c, d) ||
          (IsGroupBox(c) && Within(d.rect, c.rect)) || (IsGroupBox(d) && Within(c.rect, d.rect))) {
        continue;
      }
      ADD_FAILURE() << "lies over " << Utf8(d.className + L" \"" + d.text + L"\"");
    }
    if (IsGroupBox(c)) ExpectLaidOut(c.hwnd);
  }
}

int OuterHeight(HWND window) {
  const RECT r = WindowRect(window);
  return r.bottom - r.top;
}

TEST(DisplayScaling, PanelAndTips) {
  const Scale* scale = SessionScale();
  ASSERT_NE(scale, nullptr) << "a session at 96, 120, 144 or 192 DPI";
  StandIn terminals({L"--count=2", L"--title=db-primary ログ集約"});
  ASSERT_TRUE(terminals.Started()) << terminals.Error();
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(app.WaitForRows(2));
  ExpectLaidOut(app.Main());
  // At its start the window has the smallest size of the full panel.
  SetWindowPos(app.Main(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  const RECT outer = WindowRect(app.Main());
  EXPECT_EQ(outer.right - outer.left, scale->window.cx);
  EXPECT_EQ(outer.bottom - outer.top, scale->window.cy);
  for (const ToolDescription& tool : ReadTools(app.Process().Pid())) {
    size_t start = 0;
    do {
      const size_t end = tool.text.find(L'\n', start);
      const std::wstring line = tool.text.substr(start, end - start);
      EXPECT_LE(TextExtent(tool.tip, line).cx, tool.maxWidth) << Utf8(line) << " breaks";
      start = end == std::wstring::npos ? end : end + 1;
    } while (start != std::wstring::npos);
  }
  // The help button's disc: the image of the scale, whole.
  Capture help;
  const auto discWidth = [&](const Capture& c) {
    int columns = 0;
    for (int x = 0; x < c.width; ++x) {
      for (int y = 0; y < c.height; ++y) {
        if ((c.At(x, y) & 0xFFFFFF) == 0x2563EB) {
          ++columns;
          break;
        }
      }
    }
    return columns;
  };
  WaitForCapture(app.Controls().help, help, [&](const Capture& c) { return discWidth(c) > 0; });
  EXPECT_GE(discWidth(help), scale->disc);
}

TEST(DisplayScaling, CompactMode) {
  const Scale* scale = SessionScale();
  ASSERT_NE(scale, nullptr);
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  PostMessageW(app.Main(), WM_COMMAND, 3004, 0);  // Alt+E
  ASSERT_TRUE(WaitUntil([&] { return OuterHeight(app.Main()) == scale->compactHeight; }, 5s))
      << OuterHeight(app.Main());
  ExpectLaidOut(app.Main());
  // Made as small as can be, it keeps the width of the full panel.
  SetWindowPos(app.Main(), nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(WaitUntil([&] { return OuterHeight(app.Main()) == scale->compactHeight; }, 5s));
  const RECT outer = WindowRect(app.Main());
  EXPECT_EQ(outer.right - outer.left, scale->window.cx);
}

// Made from the program's templates in this process, which runs at the same scale.
TEST(DisplayScaling, Dialogs) {
  const Scale* scale = SessionScale();
  ASSERT_NE(scale, nullptr);
  HMODULE module =
      LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  for (const int id : {103, 106, 113, 120}) {  // About, paste confirmation, options, group name
    SCOPED_TRACE(id);
    const HWND dialog = CreateDialogParamW(
        module, MAKEINTRESOURCEW(id), nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
    ASSERT_NE(dialog, nullptr);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -scale->dialogFont) << "9 points";
    ExpectLaidOut(dialog);
    DestroyWindow(dialog);
  }
  FreeLibrary(module);
}

}  // namespace
}  // namespace e2e
