// The Documents folder is looked up on every call, so a user who moves it between runs is
// followed; a folder that does not exist yields no path rather than one that cannot be used.
#include "settings/documents_path.h"

#include <windows.h>
#include <shlobj.h>

std::wstring DocumentsFilePath(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  std::wstring path = std::wstring(folder) + L"\\" + fileName;
  if (folder[0] == L'\0' || path.size() >= MAX_PATH) return {};
  return path;
}
