// Forming the path of a file in the user's Documents folder, kept free of <windows.h> so that
// its bound is tested natively.
#pragma once

#include "base/utf16.h"

// Paths live in buffers of 260 units (MAX_PATH), the terminating zero included.
constexpr std::size_t kPathCapacity = 260;

// folder, a backslash unless folder ends in one, and fileName. Empty when folder is empty (it
// could not be found) or the path would not fit kPathCapacity: a cut path would name another
// file.
Utf16String JoinFolderPath(Utf16View folder, Utf16View fileName);
