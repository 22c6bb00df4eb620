// fkh.ini in a Documents folder of the test's own, and the options dialog: what a start reads,
// what OK writes and keeps, and the folders and files it cannot write.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/text.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

constexpr int kPasteConfirmCheck = 114, kTrackbar = 115, kAlphaLabel = 116, kForcePasteCheck = 117;

// Opens the options dialog with Alt+O; nullptr if it did not appear.
HWND OpenOptions(Flockhand& app) {
  if (!app.Activate()) return nullptr;
  PressKey('O', kAlt);
  return FindDialog(app.Process().Pid(), L"Flockhand Setup", 5s);
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

LRESULT Trackbar(HWND dialog, UINT message) {
  return SendDlgItemMessageW(dialog, kTrackbar, message, 0, 0);
}

::testing::AssertionResult Closes(HWND dialog, WORD key) {
  PressKey(key);
  if (WaitUntil([&] { return !IsWindow(dialog); }, 10s)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the dialog is still open";
}

TEST(SettingsTest, DialogShowsWhatTheFileSaysAndCancelWritesNothing) {
  const struct {
    const char* name;
    bool folderExists;
    std::optional<std::string> file;
    bool pasteConfirm, forcePaste;
    int position;
    const wchar_t* label;
  } cases[] = {
      {"no file", true, std::nullopt, true, true, 60, L"60"},
      {"no folder", false, std::nullopt, true, true, 60, L"60"},
      {"lower case", true, "[base]\r\nPASTECONFIRM = true\r\nforcepaste = yes\r\nalpha = 200\r\n",
       true, false, 200, L"200"},
      {"above 255", true, "[BASE]\r\npasteConfirm=FALSE\r\nalpha = 300\r\n", false, true, 255,
       L"300"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedDocumentsFolder documents(c.folderExists);
    const std::wstring ini = documents.File(L"fkh.ini");
    if (c.file) {
      ASSERT_TRUE(WriteFileBytes(ini, *c.file));
    }
    Flockhand app;
    ASSERT_TRUE(app.Ready());
    const HWND dialog = OpenOptions(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Checked(dialog, kPasteConfirmCheck), c.pasteConfirm);
    EXPECT_EQ(Checked(dialog, kForcePasteCheck), c.forcePaste);
    EXPECT_EQ(Trackbar(dialog, TBM_GETPOS), c.position);
    EXPECT_EQ(Utf8(WindowText(GetDlgItem(dialog, kAlphaLabel))), Utf8(c.label));
    ASSERT_TRUE(Closes(dialog, VK_ESCAPE));
    EXPECT_EQ(ReadFileBytes(ini), c.file);
  }
}

TEST(SettingsTest, TrackbarRangeTicksPageAndTooltip) {
  ScopedDocumentsFolder documents;
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  const HWND dialog = OpenOptions(app);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Trackbar(dialog, TBM_GETRANGEMIN), 0);
  EXPECT_EQ(Trackbar(dialog, TBM_GETRANGEMAX), 255);
  EXPECT_EQ(Trackbar(dialog, TBM_GETNUMTICS), 18) << "0, 15, ..., 255";
  EXPECT_EQ(Trackbar(dialog, TBM_GETPAGESIZE), 5);
  EXPECT_EQ(Trackbar(dialog, TBM_GETLINESIZE), 1);
  MoveMouse(Center(WindowRect(GetDlgItem(dialog, kTrackbar))));
  HWND tip = nullptr;
  EXPECT_TRUE(WaitUntil(
      [&] { return (tip = FindTopLevelWindow(app.Process().Pid(), L"tooltips_class32", 0ms)); },
      5s));
  EXPECT_EQ(Utf8(WindowText(tip)), Utf8(L"実際の透明度は本体で確認できます。"));
  EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 200);
  ASSERT_TRUE(Closes(dialog, VK_ESCAPE));
}

TEST(SettingsTest, OkRewritesTheSectionAndKeepsTheOthers) {
  ScopedDocumentsFolder documents;
  const std::wstring ini = documents.File(L"fkh.ini");
  ASSERT_TRUE(WriteFileBytes(ini, "[Other]\r\nkeep = me\r\n\r\n[BASE]\r\nextra = 1\r\n"));
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  const HWND dialog = OpenOptions(app);
  ASSERT_NE(dialog, nullptr);
  // The trackbar has the focus: from 60, thirteen pages of 5 and three steps of 1 make 128.
  for (int i = 0; i < 13; ++i) PressKey(VK_NEXT);
  for (int i = 0; i < 3; ++i) PressKey(VK_RIGHT);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(dialog, kAlphaLabel)) == L"128"; }, 5s));
  EXPECT_EQ(WindowAlpha(app.Main()), 128) << "previewed on the main window";
  ClickWindow(GetDlgItem(dialog, kPasteConfirmCheck));
  ClickWindow(GetDlgItem(dialog, kForcePasteCheck));
  ASSERT_TRUE(WaitUntil(
      [&] { return !Checked(dialog, kPasteConfirmCheck) && !Checked(dialog, kForcePasteCheck); },
      5s));
  ASSERT_TRUE(Closes(dialog, VK_RETURN));  // OK is the default button
  EXPECT_EQ(ReadFileBytes(ini),
            "[Other]\r\nkeep = me\r\n\r\n"
            "[BASE]\r\npasteConfirm = FALSE\r\nforcePaste = FALSE\r\nalpha = 128\r\n");
  EXPECT_FALSE(ReadFileBytes(ini + L".new")) << "no file left beside it";
  EXPECT_EQ(WindowAlpha(app.Main()), 255);
}

TEST(SettingsTest, AFailedWriteKeepsTheFileAndTheSettingsForTheRun) {
  const std::string before = "[BASE]\r\nalpha = 90\r\n";
  for (const bool folderExists : {true, false}) {
    SCOPED_TRACE(folderExists ? "read-only fkh.ini" : "no Documents folder");
    ScopedDocumentsFolder documents(folderExists);
    const std::wstring ini = documents.File(L"fkh.ini");
    if (folderExists) {
      ASSERT_TRUE(WriteFileBytes(ini, before));
      ASSERT_TRUE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    Flockhand app;
    ASSERT_TRUE(app.Ready());
    HWND dialog = OpenOptions(app);
    ASSERT_NE(dialog, nullptr);
    ClickWindow(GetDlgItem(dialog, kPasteConfirmCheck));
    ASSERT_TRUE(WaitUntil([&] { return !Checked(dialog, kPasteConfirmCheck); }, 5s));
    ASSERT_TRUE(Closes(dialog, VK_RETURN));
    dialog = OpenOptions(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(Checked(dialog, kPasteConfirmCheck)) << "the new setting holds for the run";
    ASSERT_TRUE(Closes(dialog, VK_ESCAPE));
    EXPECT_EQ(ReadFileBytes(ini), folderExists ? std::optional(before) : std::nullopt);
    EXPECT_FALSE(ReadFileBytes(ini + L".new"));
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Nowhere else either: not in the current folder nor at the root of its drive.
    EXPECT_EQ(GetFileAttributesW(documents.Path().c_str()) == INVALID_FILE_ATTRIBUTES,
              !folderExists);
    EXPECT_FALSE(ReadFileBytes(L"fkh.ini"));
    EXPECT_FALSE(ReadFileBytes(L"\\fkh.ini"));
  }
}

}  // namespace
}  // namespace e2e
