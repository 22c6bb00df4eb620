// Setting the real clipboard from a test, as another program copies something.
#pragma once

#include <windows.h>

#include <string_view>

namespace e2e {

// Empties the clipboard and puts bytes on it in one format, in a block of exactly that size;
// false if the clipboard stayed busy for 5 s or the call failed.
bool SetClipboardBytes(UINT format, std::string_view bytes);
// Unicode text with its terminating zero.
bool SetClipboardText(std::wstring_view text);
// Empties the clipboard, as a program does that takes everything off it; false as above.
bool EmptyTheClipboard();

}  // namespace e2e
