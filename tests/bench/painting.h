// Whether windows of any process have painted everything invalidated in them: read from their
// update regions, so nothing is sent to them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// True when neither window nor any of its descendants has an update region.
bool NothingToPaint(HWND window);

// Waits (up to 10 s, else BenchError naming `what`) until NothingToPaint holds for every one of
// the windows. Dispatches this thread's messages meanwhile, so this process's windows paint.
void WaitUntilPainted(const std::vector<HWND>& windows, const std::string& what);

}  // namespace bench
