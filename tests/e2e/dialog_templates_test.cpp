// The paste confirmation (106) and options (113) dialogs made from flockhand.exe's resources in
// this process, never shown: frame, font, caption, and every control's class, id, text, place and
// size in dialog units, and style.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include "harness/process.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

struct Control {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  RECT units;  // x, y, width, height
  DWORD style;
};

constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP;

// Place and size are mapped apart, as the dialog maps them.
RECT InPixels(HWND dialog, RECT units) {
  MapDialogRect(dialog, &units);
  return units;
}

void ExpectDialog(int resource, RECT units, const wchar_t* caption,
                  std::initializer_list<Control> controls) {
  InitCommonControls();
  HMODULE module =
      LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HWND dialog = CreateDialogParamW(
      module, MAKEINTRESOURCEW(resource), nullptr,
      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
  ASSERT_NE(dialog, nullptr) << resource;
  EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & ~(WS_CLIPSIBLINGS | DS_3DLOOK),
            static_cast<LONG>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
  EXPECT_EQ(WindowText(dialog), caption);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, L"MS UI Gothic");
  EXPECT_EQ(font.lfHeight, -12) << "9 points at 96 dpi";
  EXPECT_EQ(InPixels(dialog, units).right, ClientRect(dialog).right);
  EXPECT_EQ(InPixels(dialog, units).bottom, ClientRect(dialog).bottom);
  HWND child = GetWindow(dialog, GW_CHILD);
  for (const Control& c : controls) {
    SCOPED_TRACE(Utf8(c.text));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(_wcsicmp(ClassName(child).c_str(), c.className), 0) << Utf8(ClassName(child));
    EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(c.id));
    EXPECT_EQ(WindowText(child), c.text);
    RECT actual = WindowRect(child);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    const RECT place = InPixels(dialog, {c.units.left, c.units.top, 0, 0});
    const RECT size = InPixels(dialog, {0, 0, c.units.right, c.units.bottom});
    EXPECT_EQ(actual.left, place.left);
    EXPECT_EQ(actual.top, place.top);
    EXPECT_EQ(actual.right - actual.left, size.right);
    EXPECT_EQ(actual.bottom - actual.top, size.bottom);
    // A bordered edit shows its border as a sunken client edge instead (Windows and Wine).
    const DWORD style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
    EXPECT_EQ(style & ~WS_BORDER, c.style & ~WS_BORDER) << std::hex << style;
    EXPECT_EQ((GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0,
              (c.style & WS_BORDER) != 0);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "no more controls";
  DestroyWindow(dialog);
  FreeLibrary(module);
}

TEST(DialogTemplates, PasteConfirmDialogWithCancelAsDefault) {
  ExpectDialog(
      106, {0, 0, 240, 180}, L"貼り付ける内容を確認してください。",
      {{111,
        L"Edit",
        L"",
        {5, 5, 230, 140},
        WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_TABSTOP},
       {IDCANCEL, L"Button", L"Cancel", {150, 155, 40, 14}, kButton | BS_DEFPUSHBUTTON},
       {IDOK, L"Button", L"OK", {195, 155, 40, 14}, kButton | BS_PUSHBUTTON}});
}

TEST(DialogTemplates, OptionsDialog) {
  ExpectDialog(
      113, {0, 0, 240, 165}, L"Flockhand Setup",
      {{-1, L"Static", L"透明にした時のアルファ値：", {10, 5, 90, 8}, kLabel},
       {116, L"Static", L"", {90, 5, 30, 8}, kLabel},
       {-1, L"Static", L"0", {16, 20, 30, 8}, kLabel},
       {-1, L"Static", L"255", {177, 20, 30, 8}, kLabel},
       {115,
        L"msctls_trackbar32",
        L"",
        {10, 30, 200, 25},
        WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_AUTOTICKS | TBS_TOP | WS_TABSTOP},
       {-1, L"Button", L"貼り付け設定", {10, 60, 220, 65}, WS_CHILD | WS_VISIBLE | BS_GROUPBOX},
       {114,
        L"Button",
        L"貼り付け確認ダイアログの表示（改行を含む場合のみ）",
        {20, 70, 180, 18},
        kCheck},
       {117, L"Button", L"teraterm側の貼り付け確認ダイアログを無視する", {20, 85, 180, 18}, kCheck},
       {-1, L"Static", L"※FlockhandがOKボタンを押してしまいます。", {30, 105, 170, 8}, kLabel},
       {IDCANCEL, L"Button", L"Cancel", {145, 140, 40, 14}, kButton | BS_PUSHBUTTON},
       {IDOK, L"Button", L"OK", {190, 140, 40, 14}, kButton | BS_DEFPUSHBUTTON}});
}

}  // namespace
}  // namespace e2e
