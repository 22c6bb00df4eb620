// The About dialog from Alt+?, Alt+/ and the system menu, closed by OK, Enter, Escape and the
// close box; the file's version resource, which shows the same.
#include <gtest/gtest.h>
#include <windows.h>

#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using About = FlockhandTest;

constexpr wchar_t kRights[] = L"Copyright (C) 2026 The Flockhand Authors";

TEST_F(About, FileVersionShowsWhatAboutShows) {
  const std::wstring exe = NextToTests(L"flockhand.exe");
  std::string info(GetFileVersionInfoSizeW(exe.c_str(), nullptr), '\0');
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, info.size(), info.data()));
  for (auto [name, expected] : {std::pair{L"ProductName", L"Flockhand"},
                                {L"FileVersion", L"1.6"},
                                {L"LegalCopyright", kRights}}) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
    ASSERT_TRUE(
        VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, expected);
  }
}

// Where the dialog itself says its close box is, along the middle of its caption.
POINT CloseBox(HWND dialog) {
  const RECT frame = WindowRect(dialog);
  const int y = (frame.top + ClientRectOnScreen(dialog).top) / 2;
  for (int x = frame.right - 1; x > frame.left; --x) {
    if (SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 3, y};
  }
  return {};
}

TEST_F(About, OpensFromItsThreeRoutesAndClosesFourWays) {
  enum { kAltQuestionMark, kAltSlash, kSystemMenu, kOk, kEnter, kEscape, kCloseBox };
  const int cases[][2] = {
      {kAltQuestionMark, kOk}, {kAltSlash, kEnter}, {kSystemMenu, kEscape}, {kAltSlash, kCloseBox}};
  ASSERT_TRUE(Start());
  for (const auto [route, closer] : cases) {
    SCOPED_TRACE(testing::Message() << "route " << route << ", closer " << closer);
    ASSERT_TRUE(app.Activate() && SetLayeredWindowAttributes(app.Main(), 0, 100, LWA_ALPHA));
    if (route == kSystemMenu) {
      ASSERT_TRUE(app.OpenSystemMenu());
      PressKey('A');
    } else {
      PressKey(VK_OEM_2, route == kAltQuestionMark ? kAlt | kShift : kAlt);
    }
    HWND dialog = app.Dialog(10s);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"バージョン情報 Flockhand");
    BYTE alpha = 0;
    GetLayeredWindowAttributes(app.Main(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, route == kSystemMenu ? 255 : 100) << "only the menu item makes it opaque";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), app.Main());
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
    HWND ok = FindChild(dialog, L"Button", L"OK");
    EXPECT_TRUE(GetWindowLongW(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongW(FindChild(dialog, L"Static", L"Flockhand, Version 1.6"), GWL_STYLE) &
                SS_NOPREFIX);
    EXPECT_NE(FindChild(dialog, L"Static", kRights), nullptr);
    EXPECT_TRUE(app.WaitForFocus(ok)) << "the focus starts on OK";
    if (closer == kOk) ClickWindow(ok);
    if (closer == kEnter) PressKey(VK_RETURN);
    if (closer == kEscape) PressKey(VK_ESCAPE);
    if (closer == kCloseBox) Click(CloseBox(dialog));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) && IsWindowEnabled(app.Main()); }, 10s));
  }
}

}  // namespace
}  // namespace e2e
