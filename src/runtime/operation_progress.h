// How far a long operation has come: "n / N" after the window's title, and the taskbar
// button's progress bar where the system offers one (ITaskbarList3).
#pragma once

#include <cstddef>

// done of total terminals served.
void ShowProgress(std::size_t done, std::size_t total);

// Puts the title back and clears the taskbar bar; nothing when no progress was shown.
void EndProgress();
