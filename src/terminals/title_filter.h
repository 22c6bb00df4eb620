// Matching terminal titles against the filter text: only the ASCII capitals A-Z are folded,
// every other unit (accented, full-width, Greek, Cyrillic letters, spaces) must match as is.
#pragma once

#include "terminals/terminal_entry.h"

// The filter box is read into 255 units with the terminator, so 254 units take part.
constexpr std::size_t kFilterTextLimit = 254;

// The filter text as matching uses it: cut to its first 254 units, ASCII capitals lowered.
Utf16String PrepareFilterText(Utf16View text);

// True when the prepared filter text occurs in the title, lowered the same way.
bool TitleMatchesFilter(Utf16View title, const Utf16String& preparedFilter);
