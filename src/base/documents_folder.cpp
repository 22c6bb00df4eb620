// The Documents folder is the user's personal folder at its current location, as the shell
// reports it (a redirected folder included).
#include "base/documents_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "base/documents_path.h"

std::wstring DocumentsFilePath(const wchar_t* fileName) {
  wchar_t folder[kPathCapacity] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  return JoinFolderPath(folder, fileName);
}
