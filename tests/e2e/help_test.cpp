// The help button writes the embedded help to fkh.chm in the Documents folder (one of the test's
// own) and opens it; the file is gone after exit; every failure leaves nothing and shows nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "harness/documents.h"
#include "harness/flockhand.h"
#include "harness/input.h"
#include "harness/window_find.h"

namespace e2e {
namespace {

std::string FileBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::string EmbeddedHelp() {
  HMODULE module = LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  HRSRC resource = FindResourceW(module, L"HELP_CHM", L"CHM");
  std::string bytes(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                    SizeofResource(module, resource));
  FreeLibrary(module);
  return bytes;
}

// The HTML Help viewer's windows (Wine 8 opens one even without a browser engine to draw in it).
size_t HelpWindows(Flockhand& app) {
  return TopLevelWindows(app.Process().Pid(), L"HH Parent").size();
}

// Clicks the help button and waits until the click was handled: input is handled in order, so
// F1 rewriting a caption comes after it. The button must have let go of the mouse capture,
// which would take the next click anywhere.
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

void CloseAndWait(Flockhand& app) {
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(app.Process().WaitForExit(20s));
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

TEST(Help, WritesExactlyTheEmbeddedHelpOverALongerFileAndKeepsOneWindow) {
  const std::string embedded = EmbeddedHelp();
  ASSERT_EQ(embedded.substr(0, 4), "ITSF") << "a compiled HTML Help file";
  ScopedDocumentsFolder documents;
  const std::wstring chm = documents.File(L"fkh.chm");
  WriteBytes(chm, std::string(embedded.size() * 3, 'x'));
  // A stranger's hhctrl.ocx next to flockhand.exe, where a plain LoadLibrary looks first.
  HtmlHelpLoadOrder preferFiles(L"native,builtin");
  struct Removed {
    std::wstring path;
    ~Removed() { DeleteFileW(path.c_str()); }
  } planted{NextToTests(L"hhctrl.ocx")};
  CopyFileW(NextToTests(L"planted_hhctrl.ocx.planted").c_str(), planted.path.c_str(), FALSE);
  Flockhand app;
  ASSERT_TRUE(app.Ready() && app.Activate());
  ClickHelp(app);
  EXPECT_EQ(FileBytes(chm), embedded);
  ASSERT_TRUE(WaitUntil([&] { return HelpWindows(app) == 1; }, 10s))
      << "no help window: was hhctrl.ocx taken from the program's folder?";
  const HWND first = TopLevelWindows(app.Process().Pid(), L"HH Parent")[0];
  ClickHelp(app);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(first) && HelpWindows(app) == 1; }, 10s))
      << "the second click leaves one help window, its own; there are " << HelpWindows(app);
  CloseAndWait(app);
  EXPECT_FALSE(std::filesystem::exists(chm)) << "fkh.chm is left after exit";
}

// Without HTML Help (Wine's disabled for Flockhand) the file is still written, and nothing shows.
TEST(Help, LockedFileDoesNothingWithoutHtmlHelpNothingShowsAndAFileFromBeforeIsDeleted) {
  HtmlHelpLoadOrder never(L"");
  ScopedDocumentsFolder documents;
  const std::wstring chm = documents.File(L"fkh.chm");
  WriteBytes(chm, "someone else's");
  Flockhand app;
  ASSERT_TRUE(app.Ready() && app.Activate());
  HANDLE lock = CreateFileW(chm.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ClickHelp(app);
  CloseHandle(lock);
  EXPECT_EQ(FileBytes(chm), "someone else's");
  EXPECT_TRUE(TopLevelWindows(app.Process().Pid(), L"#32770").empty()) << "a message box";
  ClickHelp(app);
  EXPECT_EQ(FileBytes(chm), EmbeddedHelp());
  EXPECT_EQ(HelpWindows(app), 0u);
  CloseAndWait(app);
  EXPECT_FALSE(std::filesystem::exists(chm)) << "an fkh.chm from before the start is left";
}

TEST(Help, MissingDocumentsFolderOrHelpResourceLeavesNothing) {
  ScopedDocumentsFolder missing(false);
  {
    Flockhand app;
    ASSERT_TRUE(app.Ready() && app.Activate());
    ClickHelp(app);
    EXPECT_EQ(HelpWindows(app), 0u);
    CloseAndWait(app);
  }
  EXPECT_FALSE(std::filesystem::exists(missing.Path())) << "the missing folder was made";

  // Wine's UpdateResource leaves this program unchanged: rename the resource in its directory,
  // where the name is a counted string (the code's own copy ends in a zero).
  ScopedDocumentsFolder documents;
  const std::wstring copy = NextToTests(L"flockhand_without_help.exe");
  std::string program = FileBytes(NextToTests(L"flockhand.exe"));
  const std::wstring_view name = L"\x0008HELP_CHM";
  const size_t at = program.find(std::string(reinterpret_cast<const char*>(name.data()), 18));
  ASSERT_NE(at, std::string::npos);
  program[at + 16] = 'X';
  WriteBytes(copy, program);
  {
    Flockhand app(copy);
    ASSERT_TRUE(app.Ready() && app.Activate());
    ClickHelp(app);
    EXPECT_FALSE(std::filesystem::exists(documents.File(L"fkh.chm")));
    EXPECT_EQ(HelpWindows(app), 0u);
    CloseAndWait(app);
  }
  DeleteFileW(copy.c_str());
}

}  // namespace
}  // namespace e2e
