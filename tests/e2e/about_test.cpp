// The About dialog opened from Alt+?, Alt+/ and the system menu and closed by OK, Enter, Escape
// and the close box; its template; the file's version resource that shows the same.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

constexpr wchar_t kRights[] = L"Copyright (C) 2026 The Flockhand Authors";

std::wstring VersionString(const std::string& info, const std::wstring& name) {
  void* value = nullptr;
  UINT length = 0;
  VerQueryValueW(info.data(), (L"\\StringFileInfo\\041104b0\\" + name).c_str(), &value, &length);
  return value ? static_cast<const wchar_t*>(value) : L"<none>";
}

TEST(About, TemplateAndFileVersionShowWhatAboutShows) {
  const std::wstring exe = NextToTests(L"flockhand.exe");
  std::string info(GetFileVersionInfoSizeW(exe.c_str(), nullptr), '\0');
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, info.size(), info.data()));
  EXPECT_EQ(VersionString(info, L"ProductName"), L"Flockhand");
  EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.6");
  EXPECT_EQ(VersionString(info, L"LegalCopyright"), kRights);
  EXPECT_NE(VersionString(info, L"FileDescription"), L"<none>");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010006u);

  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const auto* dialog = static_cast<const DLGTEMPLATE*>(
      LockResource(LoadResource(module, FindResourceW(module, MAKEINTRESOURCEW(103), RT_DIALOG))));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->style,
            static_cast<DWORD>(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(dialog->cdit, 3);
  EXPECT_EQ(dialog->cx, 210);
  EXPECT_EQ(dialog->cy, 62);
  // After the menu and class (none: one zero each) come the caption, the size and the face.
  const auto* text = reinterpret_cast<const wchar_t*>(dialog + 1) + 2;
  EXPECT_STREQ(text, L"バージョン情報 Flockhand");
  text += wcslen(text) + 1;
  EXPECT_EQ(*text, 9);
  EXPECT_STREQ(text + 1, L"MS UI Gothic");
  FreeLibrary(module);
}

BYTE Alpha(HWND window) {
  BYTE alpha = 0;
  GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
  return alpha;
}

// Where the dialog itself says its close box is, along the middle of its caption.
POINT CloseBox(HWND dialog) {
  const int y = (WindowRect(dialog).top + ClientRectOnScreen(dialog).top) / 2;
  for (int x = WindowRect(dialog).right - 1; x > WindowRect(dialog).left; --x) {
    if (SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 3, y};
  }
  return {};
}

TEST(About, OpensFromItsThreeRoutesAndClosesFourWays) {
  enum Route { kAltQuestionMark, kAltSlash, kSystemMenu };
  enum Closer { kOk, kEnter, kEscape, kCloseBox };
  const struct {
    Route route;
    Closer closer;
  } cases[] = {{kAltQuestionMark, kOk},
               {kAltSlash, kEnter},
               {kSystemMenu, kEscape},
               {kAltQuestionMark, kCloseBox}};
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  const DWORD pid = app.Process().Pid();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "route " << c.route << ", closer " << c.closer);
    ASSERT_TRUE(app.Activate());
    ASSERT_TRUE(SetLayeredWindowAttributes(app.Main(), 0, 100, LWA_ALPHA));
    if (c.route == kSystemMenu) {
      PressKey(VK_SPACE, kAlt);
      ASSERT_TRUE(WaitUntil([&] { return !TopLevelWindows(pid, L"#32768").empty(); }, 5s));
      PressKey('A');
    } else {
      PressKey(VK_OEM_2, c.route == kAltQuestionMark ? kAlt | kShift : kAlt);
    }
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindTopLevelWindow(pid, L"#32770", 0s)); }, 10s));
    EXPECT_EQ(WindowText(dialog), L"バージョン情報 Flockhand");
    EXPECT_EQ(Alpha(app.Main()), c.route == kSystemMenu ? 255 : 100)
        << "only the system-menu item makes the window opaque";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), app.Main());
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
    HWND ok = FindChild(dialog, L"Button", L"OK");
    HWND name = FindChild(dialog, L"Static", L"Flockhand, Version 1.6");
    EXPECT_TRUE(GetWindowLongW(name, GWL_STYLE) & SS_NOPREFIX);
    EXPECT_NE(FindChild(dialog, L"Static", kRights), nullptr);
    EXPECT_TRUE(GetWindowLongW(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_TRUE(WaitUntil([&] { return app.Focus() == ok; }, 5s)) << "the focus starts on OK";
    if (c.closer == kOk) ClickWindow(ok);
    if (c.closer == kEnter) PressKey(VK_RETURN);
    if (c.closer == kEscape) PressKey(VK_ESCAPE);
    if (c.closer == kCloseBox) Click(CloseBox(dialog));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) && IsWindowEnabled(app.Main()); }, 10s));
  }
}

}  // namespace
}  // namespace e2e
