// UTF-16 text for the logic that is also compiled natively for the unit tests: wchar_t on
// Windows (so Win32 calls take the buffers as they are), char16_t elsewhere, where wchar_t
// is 32 bits wide. UTF16("...") writes a literal of the matching type.
#pragma once

#include <string>
#include <string_view>

#ifdef _WIN32
using Utf16Unit = wchar_t;
#define UTF16(text) L##text
#else
using Utf16Unit = char16_t;
#define UTF16(text) u##text
#endif
using Utf16View = std::basic_string_view<Utf16Unit>;
using Utf16String = std::basic_string<Utf16Unit>;
