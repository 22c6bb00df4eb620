// The escapes that let fkh.ini hold any name or title in ASCII alone, whatever the file's
// encoding. A unit that could be misread (a control character, "%", "=", ",", ";", "#", "[",
// "]", quotes, anything outside ASCII, a blank at either end) becomes "%XX" below U+0100 and
// "%uXXXX" above, one per UTF-16 unit, so that any text, unpaired surrogates included, reads
// back as it was. By hand, UTF-8 text may be written as it is. Free of <windows.h>.
#pragma once

#include <string>
#include <string_view>

#include "base/utf16.h"

std::string EncodeGroupText(Utf16View text);

// The text of one name or title; false when an escape is broken or the UTF-8 is invalid.
bool DecodeGroupText(std::string_view text, Utf16String& out);
