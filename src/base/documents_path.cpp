// See documents_path.h.
#include "base/documents_path.h"

Utf16String JoinFolderPath(Utf16View folder, Utf16View fileName) {
  if (folder.empty()) return {};
  Utf16String path(folder);
  if (path.back() != UTF16('\\')) path += UTF16('\\');
  path += fileName;
  if (path.size() + 1 > kPathCapacity) return {};
  return path;
}
