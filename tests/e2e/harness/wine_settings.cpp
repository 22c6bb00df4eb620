// The per-program settings of Wine's X11 driver, under HKCU\Software\Wine\AppDefaults.
#include "harness/wine_settings.h"

#include <windows.h>

namespace e2e {

ScopedManagedWindows::ScopedManagedWindows(const std::wstring& program)
    : programKey_(L"Software\\Wine\\AppDefaults\\" + program) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, (programKey_ + L"\\X11 Driver").c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"Y"), 2 * 2);
    RegCloseKey(key);
  }
}

ScopedManagedWindows::~ScopedManagedWindows() {
  RegDeleteTreeW(HKEY_CURRENT_USER, programKey_.c_str());
}

}  // namespace e2e
