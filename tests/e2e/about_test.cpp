// The About dialog: its template as built into flockhand.exe, the file's version resource that
// shows the same name, version and rights notice, and the dialog opened from Alt+?, Alt+/ and the
// system menu and closed by OK, Enter, Escape and the close box.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

constexpr wchar_t kRights[] = L"Copyright (C) 2026 The Flockhand Authors";

// Reads a dialog template (DLGTEMPLATE, not the extended form) word by word.
class TemplateReader {
 public:
  explicit TemplateReader(const void* data) : at_(static_cast<const WORD*>(data)) {}
  WORD Word() { return *at_++; }
  DWORD Dword() { return Word() | static_cast<DWORD>(Word()) << 16; }
  std::wstring Text() {
    std::wstring text;
    for (WORD c = Word(); c; c = Word()) text += static_cast<wchar_t>(c);
    return text;
  }
  void AlignToDword() {
    if (reinterpret_cast<uintptr_t>(at_) % 4) ++at_;
  }

 private:
  const WORD* at_;
};

TEST(About, TemplateOfDialog103) {
  HMODULE module = LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(103), RT_DIALOG);
  ASSERT_NE(resource, nullptr);
  TemplateReader in(LockResource(LoadResource(module, resource)));
  const DWORD style = in.Dword();
  EXPECT_EQ(style,
            static_cast<DWORD>(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU))
      << std::hex << style;
  EXPECT_EQ(in.Dword(), 0u) << "extended style";
  ASSERT_EQ(in.Word(), 3) << "three controls";
  const WORD x = in.Word(), y = in.Word(), cx = in.Word(), cy = in.Word();
  EXPECT_EQ(x + y, 0);
  EXPECT_EQ(cx, 210);
  EXPECT_EQ(cy, 62);
  EXPECT_EQ(in.Word(), 0) << "no menu";
  EXPECT_EQ(in.Word(), 0) << "the standard dialog class";
  EXPECT_EQ(Utf8(in.Text()), "バージョン情報 Flockhand");
  EXPECT_EQ(in.Word(), 9) << "points";
  EXPECT_EQ(Utf8(in.Text()), "MS UI Gothic");
  const struct {
    DWORD style;
    WORD kind;  // 0x80 button, 0x82 static
    WORD id;
    const wchar_t* text;
    WORD x, y, cx, cy;
  } expected[] = {
      {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0x82, 0xFFFF,
       L"Flockhand, Version 1.6", 15, 10, 114, 8},
      {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0x82, 0xFFFF, kRights, 15, 22, 200, 8},
      {WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0x80, IDOK, L"OK", 143, 41,
       50, 14},
  };
  for (const auto& item : expected) {
    SCOPED_TRACE(Utf8(item.text));
    in.AlignToDword();
    EXPECT_EQ(in.Dword(), item.style);
    EXPECT_EQ(in.Dword(), 0u);
    const WORD ix = in.Word(), iy = in.Word(), icx = in.Word(), icy = in.Word();
    EXPECT_EQ(ix, item.x);
    EXPECT_EQ(iy, item.y);
    EXPECT_EQ(icx, item.cx);
    EXPECT_EQ(icy, item.cy);
    EXPECT_EQ(in.Word(), item.id);
    ASSERT_EQ(in.Word(), 0xFFFF) << "a predefined class";
    EXPECT_EQ(in.Word(), item.kind);
    EXPECT_EQ(Utf8(in.Text()), Utf8(item.text));
    EXPECT_EQ(in.Word(), 0) << "no creation data";
  }
  FreeLibrary(module);
}

std::wstring VersionString(const std::wstring& file, const wchar_t* name) {
  std::string info(GetFileVersionInfoSizeW(file.c_str(), nullptr), '\0');
  if (info.empty() || !GetFileVersionInfoW(file.c_str(), 0, info.size(), info.data())) return {};
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length)) return L"<missing>";
  return static_cast<const wchar_t*>(value);
}

TEST(About, FilePropertiesShowWhatAboutShows) {
  const std::wstring exe = NextToTests(L"flockhand.exe");
  EXPECT_EQ(VersionString(exe, L"ProductName"), L"Flockhand");
  EXPECT_EQ(VersionString(exe, L"FileVersion"), L"1.6");
  EXPECT_EQ(VersionString(exe, L"ProductVersion"), L"1.6");
  EXPECT_EQ(VersionString(exe, L"LegalCopyright"), kRights);
  EXPECT_EQ(Utf8(VersionString(exe, L"FileDescription")),
            "複数の TeraTerm ウィンドウをまとめて操作するツール");
  DWORD ignored = 0;
  std::string info(GetFileVersionInfoSizeW(exe.c_str(), &ignored), '\0');
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, info.size(), info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010006u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}

BYTE Alpha(HWND window) {
  BYTE alpha = 0;
  GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
  return alpha;
}

HWND AboutWindow(Flockhand& app) {
  for (HWND dialog : TopLevelWindows(app.Process().Pid(), L"#32770")) {
    if (WindowText(dialog) == L"バージョン情報 Flockhand") return dialog;
  }
  return nullptr;
}

// The screen point of the dialog's close box, found by asking the dialog what lies along its
// caption.
POINT CloseBox(HWND dialog) {
  const RECT frame = WindowRect(dialog);
  const RECT client = ClientRectOnScreen(dialog);
  const int y = (frame.top + client.top) / 2;
  for (int x = frame.right - 1; x > frame.left; --x) {
    if (SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 3, y};
  }
  return {};
}

enum class Route { kAltQuestionMark, kAltSlash, kSystemMenu };
enum class Closer { kOk, kEnter, kEscape, kCloseBox };

TEST(About, OpensFromItsThreeRoutesAndClosesFourWays) {
  const struct {
    Route route;
    Closer closer;
    const char* name;
  } cases[] = {
      {Route::kAltQuestionMark, Closer::kOk, "Alt+? then OK"},
      {Route::kAltSlash, Closer::kEnter, "Alt+/ then Enter"},
      {Route::kSystemMenu, Closer::kEscape, "system menu then Escape"},
      {Route::kAltQuestionMark, Closer::kCloseBox, "Alt+? then the close box"},
  };
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(app.Activate());
    ASSERT_TRUE(SetLayeredWindowAttributes(app.Main(), 0, 100, LWA_ALPHA));
    switch (c.route) {
      case Route::kAltQuestionMark: PressKey(VK_OEM_2, kAlt | kShift); break;
      case Route::kAltSlash: PressKey(VK_OEM_2, kAlt); break;
      case Route::kSystemMenu:
        PressKey(VK_SPACE, kAlt);
        ASSERT_TRUE(WaitUntil(
            [&] { return !TopLevelWindows(app.Process().Pid(), L"#32768").empty(); }, 5s));
        PressKey('A');
        break;
    }
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = AboutWindow(app)) != nullptr; }, 10s))
        << "no About dialog";
    EXPECT_EQ(Alpha(app.Main()), c.route == Route::kSystemMenu ? 255 : 100)
        << "only the system-menu item makes the window opaque";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), app.Main());
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
    HWND ok = FindChild(dialog, L"Button", L"OK");
    EXPECT_NE(FindChild(dialog, L"Static", L"Flockhand, Version 1.6"), nullptr);
    EXPECT_NE(FindChild(dialog, L"Static", kRights), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return app.Focus() == ok; }, 5s)) << "the focus starts on OK";
    switch (c.closer) {
      case Closer::kOk: ClickWindow(ok); break;
      case Closer::kEnter: PressKey(VK_RETURN); break;
      case Closer::kEscape: PressKey(VK_ESCAPE); break;
      case Closer::kCloseBox: Click(CloseBox(dialog)); break;
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10s)) << "still open";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Main()) != FALSE; }, 10s));
  }
}

}  // namespace
}  // namespace e2e
