// Any folder and file name: the path is the folder, one backslash and the name, and it fits a
// 260-unit buffer with its zero; a folder that is missing or a path that would not fit gives
// no path at all rather than a cut one.
#include "fuzz_input.h"
#include "base/documents_path.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const Utf16String folder = input.Text(400);
  const Utf16String fileName = input.Text(300);
  const Utf16String path = JoinFolderPath(folder, fileName);

  const bool slash = !folder.empty() && folder.back() == u'\\';
  const size_t joined = folder.size() + (slash ? 0 : 1) + fileName.size();
  if (folder.empty() || joined >= kPathCapacity) {
    FUZZ_CHECK(path.empty());
    return 0;
  }
  FUZZ_CHECK(path.size() == joined && path.size() < kPathCapacity);
  FUZZ_CHECK(path.substr(0, folder.size()) == folder);
  FUZZ_CHECK(path[joined - fileName.size() - 1] == u'\\');
  FUZZ_CHECK(path.substr(joined - fileName.size()) == fileName);
  return 0;
}
