// The two orders of terminal titles: plain unsigned UTF-16 code-unit comparison, no locale,
// no case folding; equal titles are ordered by window-handle value.
#pragma once

#include "terminals/terminal_entry.h"

bool TitleAscending(const TerminalEntry& a, const TerminalEntry& b);
bool TitleDescending(const TerminalEntry& a, const TerminalEntry& b);
