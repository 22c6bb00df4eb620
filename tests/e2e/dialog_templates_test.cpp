// The paste confirmation (106) and options (113) dialogs as built into flockhand.exe: frame,
// font, caption and every control with its class, text, place, size and style.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "harness/dialog_template.h"
#include "harness/process.h"
#include "harness/text.h"

namespace e2e {
namespace {

constexpr DWORD kFrame = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kButton = kChild | WS_GROUP | WS_TABSTOP;

struct Expected {
  int id;
  const wchar_t* className;
  const wchar_t* text;
  short x, y, cx, cy;
  DWORD style, exStyle;
};

void ExpectDialog(int resource, short cx, short cy, const wchar_t* caption,
                  const std::vector<Expected>& controls) {
  SCOPED_TRACE(resource);
  HMODULE module = LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resource), RT_DIALOG);
  ASSERT_NE(found, nullptr);
  const auto dialog = ParseDialogTemplate(
      std::string_view(static_cast<const char*>(LockResource(LoadResource(module, found))),
                       SizeofResource(module, found)));
  FreeLibrary(module);
  ASSERT_TRUE(dialog.has_value());
  EXPECT_EQ(dialog->style, kFrame);
  EXPECT_EQ(dialog->cx, cx);
  EXPECT_EQ(dialog->cy, cy);
  EXPECT_EQ(Utf8(dialog->caption), Utf8(caption));
  EXPECT_EQ(dialog->pointSize, 9);
  EXPECT_EQ(Utf8(dialog->font), "MS UI Gothic");
  ASSERT_EQ(dialog->items.size(), controls.size());
  for (size_t i = 0; i < controls.size(); ++i) {
    const DialogItemTemplate& item = dialog->items[i];
    const Expected& e = controls[i];
    SCOPED_TRACE(Utf8(e.text));
    EXPECT_EQ(static_cast<WORD>(item.id), static_cast<WORD>(e.id));
    EXPECT_EQ(_wcsicmp(item.className.c_str(), e.className), 0) << Utf8(item.className);
    EXPECT_EQ(Utf8(item.text), Utf8(e.text));
    EXPECT_EQ(item.x, e.x);
    EXPECT_EQ(item.y, e.y);
    EXPECT_EQ(item.cx, e.cx);
    EXPECT_EQ(item.cy, e.cy);
    EXPECT_EQ(item.style, e.style) << std::hex << item.style;
    EXPECT_EQ(item.exStyle, e.exStyle);
  }
}

TEST(DialogTemplates, PasteConfirmDialogWithCancelAsDefault) {
  ExpectDialog(106, 240, 180, L"貼り付ける内容を確認してください。",
               {{111, L"Edit", L"", 5, 5, 230, 140,
                 kChild | ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
                 WS_EX_CLIENTEDGE},
                {IDCANCEL, L"Button", L"Cancel", 150, 155, 40, 14, kButton | BS_DEFPUSHBUTTON, 0},
                {IDOK, L"Button", L"OK", 195, 155, 40, 14, kButton | BS_PUSHBUTTON, 0}});
}

TEST(DialogTemplates, OptionsDialog) {
  const DWORD check = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
  ExpectDialog(
      113, 240, 165, L"Flockhand Setup",
      {{-1, L"Static", L"透明にした時のアルファ値：", 10, 5, 90, 8, kLabel, 0},
       {116, L"Static", L"", 90, 5, 30, 8, kLabel, 0},
       {-1, L"Static", L"0", 16, 20, 30, 8, kLabel, 0},
       {-1, L"Static", L"255", 177, 20, 30, 8, kLabel, 0},
       {115, L"msctls_trackbar32", L"", 10, 30, 200, 25,
        kChild | TBS_HORZ | TBS_AUTOTICKS | TBS_TOP | WS_TABSTOP, 0},
       {-1, L"Button", L"貼り付け設定", 10, 60, 220, 65, kChild | BS_GROUPBOX, 0},
       {114, L"Button", L"貼り付け確認ダイアログの表示（改行を含む場合のみ）", 20, 70, 180, 18,
        check, 0},
       {117, L"Button", L"teraterm側の貼り付け確認ダイアログを無視する", 20, 85, 180, 18, check, 0},
       {-1, L"Static", L"※FlockhandがOKボタンを押してしまいます。", 30, 105, 170, 8, kLabel, 0},
       {IDCANCEL, L"Button", L"Cancel", 145, 140, 40, 14, kButton | BS_PUSHBUTTON, 0},
       {IDOK, L"Button", L"OK", 190, 140, 40, 14, kButton | BS_DEFPUSHBUTTON, 0}});
}

}  // namespace
}  // namespace e2e
