// The help button writes the embedded help to fkh.chm in the Documents folder (one of the test's
// own) and opens it; the file is gone after exit; every failure leaves nothing and shows nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand_test.h"
#include "harness/input.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

using Help = FlockhandTest;

std::string EmbeddedHelp(const std::wstring& program) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC resource = FindResourceW(module, L"HELP_CHM", L"CHM");
  std::string bytes(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                    SizeofResource(module, resource));
  FreeLibrary(module);
  return bytes;
}

// The viewer's windows: Wine 8 opens one even without a browser engine to draw the page in.
size_t HelpWindows(Flockhand& app) {
  return TopLevelWindows(app.Process().Pid(), L"HH Parent").size();
}

// Input is handled in order: once the F1 after the click has rewritten a caption, the click was
// handled. The button must have let go of the capture, which would take the next click anywhere.
void ClickHelp(Flockhand& app) {
  const std::wstring before = WindowText(app.Controls().reverseOrder);
  ClickWindow(app.Controls().help);
  PressKey(VK_F1);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(app.Controls().reverseOrder) != before; }, 10s));
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  GetGUIThreadInfo(GetWindowThreadProcessId(app.Main(), nullptr), &thread);
  EXPECT_EQ(thread.hwndCapture, nullptr) << "a window of Flockhand holds the mouse capture";
}

// How Wine loads hhctrl.ocx into flockhand.exe while it lives: "" never, "native,builtin" a DLL
// file before Wine's own, as Windows would.
struct HtmlHelpLoadOrder {
  explicit HtmlHelpLoadOrder(const wchar_t* order) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"hhctrl.ocx", REG_SZ, order,
                    static_cast<DWORD>((wcslen(order) + 1) * sizeof(wchar_t)));
  }
  ~HtmlHelpLoadOrder() { RegDeleteKeyW(HKEY_CURRENT_USER, kKey); }
  static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\flockhand.exe\\DllOverrides";
};

TEST_F(Help, WritesExactlyTheEmbeddedHelpOverALongerFileAndKeepsOneWindow) {
  const std::string embedded = EmbeddedHelp(NextToTests(L"flockhand.exe"));
  ASSERT_EQ(embedded.substr(0, 4), "ITSF") << "a compiled HTML Help file";
  ScopedDocumentsFolder documents;
  const std::wstring chm = documents.File(L"fkh.chm");
  ASSERT_TRUE(WriteFileBytes(chm, std::string(embedded.size() * 3, 'x')));
  // A stranger's hhctrl.ocx (without HtmlHelpW) where a plain LoadLibrary looks first.
  HtmlHelpLoadOrder preferFiles(L"native,builtin");
  const std::wstring planted = NextToTests(L"hhctrl.ocx");
  CopyFileW(NextToTests(L"planted_hhctrl.ocx.planted").c_str(), planted.c_str(), FALSE);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(app.Activate());
  ClickHelp(app);
  EXPECT_EQ(ReadFileBytes(chm), embedded);
  ASSERT_TRUE(WaitUntil([&] { return HelpWindows(app) == 1; }, 10s))
      << "no help window: was hhctrl.ocx taken from the program's folder?";
  const HWND first = TopLevelWindows(app.Process().Pid(), L"HH Parent")[0];
  ClickHelp(app);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(first) && HelpWindows(app) == 1; }, 10s))
      << "the second click leaves one help window, its own; there are " << HelpWindows(app);
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(app.Process().WaitForExit(20s));
  DeleteFileW(planted.c_str());
  EXPECT_FALSE(ReadFileBytes(chm)) << "fkh.chm is left after exit";
}

// Each case clicks twice; Wine's HTML Help is disabled, so the help file is written but not shown.
TEST_F(Help, FailuresLeaveNothingAndShowNothing) {
  HtmlHelpLoadOrder never(L"");
  // The resource renamed in its directory, where the name is a counted string (the code's copy
  // ends in a zero): Wine's UpdateResource leaves this program unchanged.
  const std::wstring withoutHelp = NextToTests(L"flockhand_without_help.exe");
  std::string program = ReadFileBytes(NextToTests(L"flockhand.exe")).value_or("");
  program.replace(program.find(std::string("\x08\0H\0E\0L\0P\0_\0C\0H\0M", 17)) + 16, 1, "X");
  ASSERT_TRUE(WriteFileBytes(withoutHelp, program));
  const struct {
    const char* name;
    bool folderExists, locked;
    const std::wstring program;
    std::string before, afterFirst, afterSecond;  // "-": no file
  } cases[] = {
      {"locked, then free", true, true, NextToTests(L"flockhand.exe"), "mine", "mine",
       EmbeddedHelp(NextToTests(L"flockhand.exe"))},
      {"no Documents folder", false, false, NextToTests(L"flockhand.exe"), "-", "-", "-"},
      {"no help resource", true, false, withoutHelp, "mine", "-", "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedDocumentsFolder documents(c.folderExists);
    const std::wstring chm = documents.File(L"fkh.chm");
    ASSERT_TRUE(c.before == "-" || WriteFileBytes(chm, c.before));
    ASSERT_TRUE(Start(c.program));
    ASSERT_TRUE(app.Activate());
    HANDLE lock =
        c.locked ? CreateFileW(chm.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                 : nullptr;
    ClickHelp(app);
    if (lock) CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(chm).value_or("-"), c.afterFirst);
    ClickHelp(app);
    EXPECT_EQ(ReadFileBytes(chm).value_or("-"), c.afterSecond);
    EXPECT_EQ(HelpWindows(app), 0u);
    EXPECT_TRUE(TopLevelWindows(app.Process().Pid(), L"#32770").empty()) << "a message box";
    PostMessageW(app.Main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(app.Process().WaitForExit(20s));
    EXPECT_FALSE(ReadFileBytes(chm)) << "an fkh.chm from before the start is left after exit";
    EXPECT_EQ(GetFileAttributesW(documents.Path().c_str()) != INVALID_FILE_ATTRIBUTES,
              c.folderExists);
  }
  DeleteFileW(withoutHelp.c_str());
}

}  // namespace
}  // namespace e2e
