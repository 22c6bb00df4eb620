// fkh.ini in a Documents folder of the test's own, and the options dialog: what a start reads,
// what OK writes and keeps, and the folders and files it cannot write.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using SettingsTest = FlockhandTest;

constexpr int kConfirmCheck = 114, kTrackbar = 115, kAlphaLabel = 116, kForceCheck = 117;

// Opens the options dialog with Alt+O; nullptr if it did not appear.
HWND OpenOptions(Flockhand& app) {
  if (!app.Activate()) return nullptr;
  PressKey('O', kAlt);
  return app.Dialog();
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Clicks a check box and waits until it has changed, before any other click.
bool Toggle(HWND dialog, int id) {
  const bool was = Checked(dialog, id);
  ClickWindow(GetDlgItem(dialog, id));
  return WaitUntil([&] { return Checked(dialog, id) != was; }, 5s);
}

LRESULT Trackbar(HWND dialog, UINT message) {
  return SendDlgItemMessageW(dialog, kTrackbar, message, 0, 0);
}

bool Closes(const Flockhand& app, HWND dialog, WORD key) {
  PressKey(key);
  return app.WaitForClosed(dialog);
}

TEST_F(SettingsTest, DialogShowsWhatTheFileSaysAndCancelWritesNothing) {
  const struct {
    bool folderExists;
    std::optional<std::string> file;
    bool pasteConfirm, forcePaste;
    int position;
    const wchar_t* label;
  } cases[] = {
      {true, std::nullopt, true, true, 60, L"60"},
      {false, std::nullopt, true, true, 60, L"60"},
      {true, "[base]\r\nPASTECONFIRM = true\r\nforcepaste = yes\r\nalpha = 200\r\n", true, false,
       200, L"200"},
      {true, "[BASE]\r\npasteConfirm=FALSE\r\nalpha = 300\r\n", false, true, 255, L"300"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.value_or(c.folderExists ? "no file" : "no folder"));
    ScopedDocumentsFolder documents(c.folderExists);
    const std::wstring ini = documents.File(L"fkh.ini");
    if (c.file) {
      ASSERT_TRUE(WriteFileBytes(ini, *c.file));
    }
    ASSERT_TRUE(Start());
    const HWND dialog = OpenOptions(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Checked(dialog, kConfirmCheck), c.pasteConfirm);
    EXPECT_EQ(Checked(dialog, kForceCheck), c.forcePaste);
    EXPECT_EQ(Trackbar(dialog, TBM_GETPOS), c.position);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, kAlphaLabel)), c.label);
    ASSERT_TRUE(Closes(app, dialog, VK_ESCAPE));
    EXPECT_EQ(ReadFileBytes(ini), c.file);
  }
}

TEST_F(SettingsTest, TrackbarRangeTicksPageAndTooltip) {
  ScopedDocumentsFolder documents;
  ASSERT_TRUE(Start());
  const HWND dialog = OpenOptions(app);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Trackbar(dialog, TBM_GETRANGEMIN), 0);
  EXPECT_EQ(Trackbar(dialog, TBM_GETRANGEMAX), 255);
  EXPECT_EQ(Trackbar(dialog, TBM_GETNUMTICS), 18) << "0, 15, ..., 255";
  EXPECT_EQ(Trackbar(dialog, TBM_GETPAGESIZE), 5);
  EXPECT_EQ(Trackbar(dialog, TBM_GETLINESIZE), 1);
  MoveMouse(Center(WindowRect(GetDlgItem(dialog, kTrackbar))));
  const HWND tip = FindTopLevelWindow(app.Process().Pid(), L"tooltips_class32", 5s);
  EXPECT_EQ(WindowText(tip), L"実際の透明度は本体で確認できます。");
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 200);
  EXPECT_TRUE(Closes(app, dialog, VK_ESCAPE));
}

// ASCII text as it is, or as UTF-16 with its byte-order mark.
std::string Encoded(std::string_view text, bool utf16) {
  if (!utf16) return std::string(text);
  std::string units = "\xFF\xFE";
  for (const char c : text) units += {c, '\0'};
  return units;
}

TEST_F(SettingsTest, OkRewritesTheSectionAndKeepsTheOthersInTheFilesEncoding) {
  for (const bool utf16 : {false, true}) {
    SCOPED_TRACE(utf16 ? "UTF-16" : "ANSI");
    ScopedDocumentsFolder documents;
    const std::wstring ini = documents.File(L"fkh.ini");
    ASSERT_TRUE(
        WriteFileBytes(ini, Encoded("[Other]\r\nkeep = me\r\n\r\n[BASE]\r\nextra = 1\r\n", utf16)));
    ASSERT_TRUE(Start());
    const HWND dialog = OpenOptions(app);
    ASSERT_NE(dialog, nullptr);
    // The trackbar has the focus: from 60, thirteen pages of 5 and three steps of 1 make 128.
    for (int i = 0; i < 16; ++i) PressKey(i < 13 ? VK_NEXT : VK_RIGHT);
    EXPECT_TRUE(
        WaitUntil([&] { return WindowText(GetDlgItem(dialog, kAlphaLabel)) == L"128"; }, 5s));
    EXPECT_EQ(WindowAlpha(app.Main()), 128) << "previewed on the main window";
    ASSERT_TRUE(Toggle(dialog, kConfirmCheck) && Toggle(dialog, kForceCheck));
    ASSERT_TRUE(Closes(app, dialog, VK_RETURN));  // OK is the default button
    EXPECT_EQ(ReadFileBytes(ini), Encoded("[Other]\r\nkeep = me\r\n\r\n[BASE]\r\npasteConfirm = "
                                          "FALSE\r\nforcePaste = FALSE\r\nalpha = 128\r\n",
                                          utf16));
    EXPECT_FALSE(ReadFileBytes(ini + L".new")) << "no file left beside it";
    EXPECT_EQ(WindowAlpha(app.Main()), 255);
  }
}

TEST_F(SettingsTest, AFailedWriteKeepsTheFileAndTheSettingsForTheRun) {
  const std::string before = "[BASE]\r\nalpha = 90\r\n";
  for (const bool folderExists : {true, false}) {
    SCOPED_TRACE(folderExists ? "read-only fkh.ini" : "no Documents folder");
    ScopedDocumentsFolder documents(folderExists);
    const std::wstring ini = documents.File(L"fkh.ini");
    if (folderExists) {
      ASSERT_TRUE(WriteFileBytes(ini, before));
      ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    ASSERT_TRUE(Start());
    for (const bool wasChecked : {true, false}) {  // unchecked and OK, then the dialog again
      const HWND dialog = OpenOptions(app);
      ASSERT_NE(dialog, nullptr);
      ASSERT_EQ(Checked(dialog, kConfirmCheck), wasChecked) << "the new setting holds for the run";
      ASSERT_TRUE(Toggle(dialog, kConfirmCheck));
      ASSERT_TRUE(Closes(app, dialog, wasChecked ? VK_RETURN : VK_ESCAPE));
    }
    EXPECT_EQ(ReadFileBytes(ini), folderExists ? std::optional(before) : std::nullopt);
    EXPECT_FALSE(ReadFileBytes(ini + L".new"));
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Nowhere else either: not in the current folder nor at the root of its drive.
    EXPECT_EQ(GetFileAttributesW(documents.Path().c_str()) == INVALID_FILE_ATTRIBUTES,
              !folderExists);
    EXPECT_FALSE(ReadFileBytes(L"fkh.ini") || ReadFileBytes(L"\\fkh.ini"));
  }
}

}  // namespace
}  // namespace e2e
