// Files in the user's Documents folder: fkh.ini and the extracted help file live there.
#pragma once

#include <string>

// The full path of fileName in the Documents folder, or empty when the folder cannot be found
// or the path would be longer than MAX_PATH. Nothing is written or created.
std::wstring DocumentsFilePath(const wchar_t* fileName);
