// Text conversions between the UTF-16 of the Win32 API and the UTF-8 of record files and test
// messages.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

std::string Utf8(std::wstring_view text);
std::wstring Utf16(std::string_view utf8);
// Narrow text in a Windows code page (CP_ACP for what Wine hands a debugger) to UTF-16.
std::wstring FromCodePage(std::string_view text, UINT codePage);
// The texts as "[first][second]...", in UTF-8: a list in a failure message.
std::string Joined(const std::vector<std::wstring>& texts);

}  // namespace e2e
