// The text of the selection counter: "選択ウィンドウ数：  %-3d". Free of <windows.h>.
#pragma once

#include <cstddef>

#include "base/utf16.h"

Utf16String FormatSelectionCount(std::size_t count);
