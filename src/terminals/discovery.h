// Finding the terminal windows among all top-level windows of the desktop.
#pragma once

#include <optional>

#include "terminals/terminal_lists.h"

// Every terminal window with a title, in the order the system lists them.
TerminalList DiscoverTerminals();

// Whether a window is of the terminal class (its dialogs are not).
bool HasTerminalClass(WindowHandle window);
// The entry of a window when it is of the terminal class; its title may be empty.
std::optional<TerminalEntry> TerminalOf(WindowHandle window);
// A window's title as discovery reads it: cut to 1023 units, empty for a window gone.
Utf16String ReadTitle(WindowHandle window);
