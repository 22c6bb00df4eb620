// The help button writes the embedded help to fkh.chm in the Documents folder and opens it;
// the file is gone after exit. Every test has a Documents folder of its own.
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

std::string EmbeddedHelp() {
  HMODULE module = LoadLibraryExW(NextToTests(L"flockhand.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  HRSRC resource = FindResourceW(module, L"HELP_CHM", L"CHM");
  std::string bytes;
  if (resource) {
    bytes.assign(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                 SizeofResource(module, resource));
  }
  FreeLibrary(module);
  return bytes;
}

std::string FileBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Wine's and Windows' HTML Help viewer windows.
std::vector<HWND> HelpWindows(Flockhand& app) {
  return TopLevelWindows(app.Process().Pid(), L"HH Parent");
}

// Input is handled in order: once F1 has rewritten a caption, the clicks before it were handled.
// The help button must not keep the mouse capture: it would take the next click anywhere.
void WaitUntilInputHandled(const Flockhand& app, bool& hints) {
  hints = !hints;
  PressKey(VK_F1);
  const std::wstring caption = hints ? L"並び順を反転(F4)" : L"並び順を反転";
  ASSERT_TRUE(WaitUntil([&] { return WindowText(app.Controls().reverseOrder) == caption; }, 10s));
  GUITHREADINFO thread{};
  thread.cbSize = sizeof(thread);
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(app.Main(), nullptr), &thread));
  EXPECT_EQ(thread.hwndCapture, nullptr) << "a window of Flockhand holds the mouse capture";
}

bool CloseAndWait(Flockhand& app) {
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  return app.Process().WaitForExit(20s);
}

// How Wine loads hhctrl.ocx into flockhand.exe, for as long as it lives: "" never,
// "native,builtin" a DLL file before Wine's own.
class HtmlHelpLoadOrder {
 public:
  explicit HtmlHelpLoadOrder(const wchar_t* order) {
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, L"hhctrl.ocx", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                   static_cast<DWORD>((wcslen(order) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  ~HtmlHelpLoadOrder() { RegDeleteKeyW(HKEY_CURRENT_USER, kKey); }

 private:
  static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\flockhand.exe\\DllOverrides";
};

// A stranger's hhctrl.ocx next to flockhand.exe, where a plain LoadLibrary looks first, for as
// long as it lives. Wine is told to prefer it to its own, as Windows would.
class PlantedHtmlHelp {
 public:
  PlantedHtmlHelp() {
    CopyFileW(NextToTests(L"planted_hhctrl.ocx.planted").c_str(), path_.c_str(), FALSE);
  }
  ~PlantedHtmlHelp() { DeleteFileW(path_.c_str()); }

 private:
  HtmlHelpLoadOrder preferFiles_{L"native,builtin"};
  std::wstring path_ = NextToTests(L"hhctrl.ocx");
};

TEST(Help, ButtonWritesExactlyTheEmbeddedHelpOverALongerFileAndKeepsOneWindow) {
  const std::string embedded = EmbeddedHelp();
  ASSERT_GT(embedded.size(), 1000u);
  ASSERT_EQ(embedded.substr(0, 4), "ITSF") << "a compiled HTML Help file";
  ScopedDocumentsFolder documents;
  const std::wstring chm = documents.File(L"fkh.chm");
  WriteBytes(chm, std::string(embedded.size() * 3, 'x'));
  PlantedHtmlHelp planted;
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(app.Activate());
  bool hints = false;

  ClickWindow(app.Controls().help);
  ASSERT_TRUE(WaitUntil([&] { return FileBytes(chm) == embedded; }, 10s))
      << "fkh.chm holds " << FileBytes(chm).size() << " bytes, the help " << embedded.size();
  WaitUntilInputHandled(app, hints);
  // Wine 8's viewer opens its window even without a browser engine to draw the page.
  ASSERT_TRUE(WaitUntil([&] { return HelpWindows(app).size() == 1; }, 10s));
  const HWND first = HelpWindows(app)[0];

  ClickWindow(app.Controls().help);
  WaitUntilInputHandled(app, hints);
  EXPECT_TRUE(
      WaitUntil([&] { return HelpWindows(app).size() == 1 && HelpWindows(app)[0] != first; }, 10s))
      << "the second click leaves one help window, its own; there are " << HelpWindows(app).size();
  EXPECT_EQ(FileBytes(chm), embedded);

  ASSERT_TRUE(CloseAndWait(app));
  EXPECT_FALSE(Exists(chm)) << "fkh.chm is left after exit";
  for (const std::wstring& line : app.Process().DebugLines()) {
    EXPECT_EQ(line.find(L"planted"), std::wstring::npos)
        << "HTML Help came from the program's folder";
  }
}

TEST(Help, LockedFileMakesTheClickDoNothingAndAFileFromBeforeIsGoneAfterExit) {
  ScopedDocumentsFolder documents;
  const std::wstring chm = documents.File(L"fkh.chm");
  WriteBytes(chm, "someone else's file");
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(app.Activate());
  bool hints = false;
  {
    HANDLE lock = CreateFileW(chm.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ClickWindow(app.Controls().help);
    WaitUntilInputHandled(app, hints);
    CloseHandle(lock);
  }
  EXPECT_EQ(FileBytes(chm), "someone else's file");
  EXPECT_TRUE(HelpWindows(app).empty());
  EXPECT_TRUE(TopLevelWindows(app.Process().Pid(), L"#32770").empty()) << "a message box";
  ASSERT_TRUE(CloseAndWait(app));
  EXPECT_FALSE(Exists(chm)) << "an fkh.chm from before the start is deleted at exit too";
}

TEST(Help, MissingDocumentsFolderShowsAndLeavesNothing) {
  ScopedDocumentsFolder documents(false);
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(app.Activate());
  bool hints = false;
  ClickWindow(app.Controls().help);
  WaitUntilInputHandled(app, hints);
  EXPECT_TRUE(HelpWindows(app).empty());
  EXPECT_FALSE(Exists(documents.Path())) << "the missing folder was created";
  ASSERT_TRUE(CloseAndWait(app));
}

TEST(Help, MissingHelpResourceLeavesNoFileAndShowsNothing) {
  const std::wstring copy = NextToTests(L"flockhand_without_help.exe");
  // The resource directory names it by a counted UTF-16 string (the code's own is zero-ended);
  // Wine's UpdateResource leaves this program unchanged, so the name is renamed in place.
  std::string program = FileBytes(NextToTests(L"flockhand.exe"));
  const std::wstring_view name = L"\x0008HELP_CHM";
  const size_t at = program.find(
      std::string(reinterpret_cast<const char*>(name.data()), name.size() * sizeof(wchar_t)));
  ASSERT_NE(at, std::string::npos);
  program[at + name.size() * sizeof(wchar_t) - 2] = 'X';
  WriteBytes(copy, program);
  ScopedDocumentsFolder documents;
  {
    Flockhand app(copy);
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(app.Activate());
    bool hints = false;
    ClickWindow(app.Controls().help);
    WaitUntilInputHandled(app, hints);
    EXPECT_FALSE(Exists(documents.File(L"fkh.chm")));
    EXPECT_TRUE(HelpWindows(app).empty());
    EXPECT_TRUE(CloseAndWait(app));
  }
  EXPECT_TRUE(DeleteFileW(copy.c_str()));
}

TEST(Help, WithoutHtmlHelpTheFileIsWrittenAndNothingShows) {
  HtmlHelpLoadOrder never(L"");
  ScopedDocumentsFolder documents;
  Flockhand app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(app.Activate());
  bool hints = false;
  ClickWindow(app.Controls().help);
  WaitUntilInputHandled(app, hints);
  EXPECT_EQ(FileBytes(documents.File(L"fkh.chm")), EmbeddedHelp());
  EXPECT_TRUE(HelpWindows(app).empty());
  ASSERT_TRUE(CloseAndWait(app));
  EXPECT_FALSE(Exists(documents.File(L"fkh.chm")));
}

}  // namespace
}  // namespace e2e
