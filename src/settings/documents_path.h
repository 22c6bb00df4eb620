// Files that Flockhand keeps in the user's Documents folder: the settings and the extracted
// help.
#pragma once

#include <string>

// The Documents folder, "\" and fileName; empty when the folder cannot be found or the whole
// path would not fit in MAX_PATH (259 units and the terminating zero).
std::wstring DocumentsFilePath(const wchar_t* fileName);
