// Both registry keys are set: programs read "User Shell Folders" (which may hold variables)
// and older ones "Shell Folders".
#include "harness/documents.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>

namespace e2e {

namespace {

constexpr wchar_t kExplorerKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

std::wstring ReadFolder(const wchar_t* subKey) {
  wchar_t value[MAX_PATH * 2] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  const std::wstring key = std::wstring(kExplorerKey) + subKey;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Personal",
                   RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value,
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

void WriteFolder(const wchar_t* subKey, DWORD type, const std::wstring& path) {
  const std::wstring key = std::wstring(kExplorerKey) + subKey;
  HKEY handle;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(handle, L"Personal", 0, type, reinterpret_cast<const BYTE*>(path.c_str()),
                 static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
}

// SHFileOperation wants a list ending in two zeros.
void DeleteTree(const std::wstring& path) {
  std::wstring from = path + L'\0';
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
}

}  // namespace

ScopedDocumentsFolder::ScopedDocumentsFolder(bool exists) {
  static std::atomic<unsigned> counter = 0;
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  path_ = std::wstring(temp) + L"fkh-docs-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  DeleteTree(path_);
  if (exists) CreateDirectoryW(path_.c_str(), nullptr);
  savedUserShellFolder_ = ReadFolder(L"User Shell Folders");
  savedShellFolder_ = ReadFolder(L"Shell Folders");
  WriteFolder(L"User Shell Folders", REG_EXPAND_SZ, path_);
  WriteFolder(L"Shell Folders", REG_SZ, path_);
}

ScopedDocumentsFolder::~ScopedDocumentsFolder() {
  WriteFolder(L"User Shell Folders", REG_EXPAND_SZ, savedUserShellFolder_);
  WriteFolder(L"Shell Folders", REG_SZ, savedShellFolder_);
  DeleteTree(path_);
}

}  // namespace e2e
