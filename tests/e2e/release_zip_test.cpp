// flockhand.exe as users get it: unpacked from the release zip into a folder whose path has a
// space and Japanese characters, it starts there and writes nothing beside itself. Run alone by
// tests/release/check_release.sh, which unpacks the zip into that folder first.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "harness/documents.h"
#include "harness/files.h"
#include "harness/flockhand.h"

namespace e2e {
namespace {

std::set<std::wstring> FolderNames(const std::wstring& folder) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

TEST(ReleaseZip, StartsFromAJapanesePathWithASpaceAndWritesNothingBesideItself) {
  const std::wstring folder = NextToTests(L"展開した Flockhand");
  const std::set<std::wstring> unpacked = FolderNames(folder);
  ASSERT_EQ(unpacked.count(L"flockhand.exe"), 1u) << "no release unpacked in the folder";
  ScopedDocumentsFolder documents;
  SetCurrentDirectoryW(folder.c_str());  // as when started from Explorer
  Flockhand app(folder + L"\\flockhand.exe");
  ASSERT_TRUE(app.Ready()) << "no window";
  ASSERT_TRUE(app.Activate() && app.OpenSystemMenu());
  PressKey('F');  // the frames' switch, which writes fkh.ini
  EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(documents.File(L"fkh.ini")).has_value(); }, 5s))
      << "fkh.ini is written into the Documents folder";
  PostMessageW(app.Main(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(app.Process().WaitForExit(20s));
  EXPECT_EQ(FolderNames(folder), unpacked);
}

}  // namespace
}  // namespace e2e
