// Finding the terminal windows among all top-level windows of the desktop.
#pragma once

// Appends every terminal window to AllTerminals (the caller empties it first) and sorts it by
// title. Selection and filter lists are left alone.
void DiscoverTerminals();
