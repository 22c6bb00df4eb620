// Wine's ntdll exports wine_get_version; Windows' has no such export.
#include "base/under_wine.h"

#include <windows.h>

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}
