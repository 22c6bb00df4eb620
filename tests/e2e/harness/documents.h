// A Documents folder of the test's own: Flockhand keeps fkh.ini and writes fkh.chm in the
// user's Documents folder, and a test must never touch the real one.
#pragma once

#include <string>

namespace e2e {

// Points the Wine prefix's Documents folder (the "Personal" user shell folder) at a fresh empty
// directory for as long as it lives, then restores the previous setting and deletes the
// directory with everything in it. Flockhand started while it lives uses that directory.
class ScopedDocumentsFolder {
 public:
  // exists == false: the setting names a directory that does not exist.
  explicit ScopedDocumentsFolder(bool exists = true);
  ScopedDocumentsFolder(const ScopedDocumentsFolder&) = delete;
  ScopedDocumentsFolder& operator=(const ScopedDocumentsFolder&) = delete;
  ~ScopedDocumentsFolder();

  const std::wstring& Path() const { return path_; }
  // Path() + "\" + fileName.
  std::wstring File(const std::wstring& fileName) const { return path_ + L"\\" + fileName; }

 private:
  std::wstring path_;
  std::wstring savedUserShellFolder_, savedShellFolder_;
};

}  // namespace e2e
