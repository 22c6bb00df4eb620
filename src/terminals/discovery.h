// Finding the terminal windows among all top-level windows of the desktop.
#pragma once

#include "terminals/terminal_lists.h"

// Appends every terminal window to AllTerminals (the caller empties it first), sorts it by
// title and refills the list rows. Selection and filter lists are left alone.
void DiscoverTerminals();

// Every top-level window of the terminal class, each once, in the system's order, with its
// title; those without one too.
TerminalList CollectTerminalWindows();
