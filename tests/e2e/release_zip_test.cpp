// The program unpacked from the release zip (by tests/release/check_release.sh, which runs this
// suite alone) into a folder with a space and Japanese characters starts there, and writes
// nothing beside itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"

namespace e2e {
namespace {

std::set<std::filesystem::path> FolderNames(const std::wstring& folder) {
  const std::filesystem::directory_iterator files(folder);
  return {begin(files), end(files)};
}

TEST(ReleaseZip, StartsFromAJapanesePathWithASpaceAndWritesNothingBesideItself) {
  const std::wstring folder = NextToTests(L"展開した Flockhand");
  const auto unpacked = FolderNames(folder);
  ScopedDocumentsFolder documents;
  SetCurrentDirectoryW(folder.c_str());  // as when started from Explorer
  Flockhand app(folder + L"\\flockhand.exe");
  ASSERT_TRUE(app.Ready() && app.Activate() && app.OpenSystemMenu());
  PressKey('F');  // the frames' switch, which writes fkh.ini
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(documents.File(L"fkh.ini")).has_value(); }, 5s));
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(app.Process().WaitForExit(20s));
  EXPECT_EQ(FolderNames(folder), unpacked);
}

}  // namespace
}  // namespace e2e
