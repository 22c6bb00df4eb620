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

// Waits until the processor this thread runs on (the benchmark's session is pinned to one) has
// been idle for 9 tenths of a 100 ms span, by Linux's /proc/stat seen through Wine's drive Z:,
// or 3 s have passed. The X server and the wineserver draw and answer after the programs are
// done, on that processor: a run started meanwhile pays for them. Without /proc/stat (on
// Windows) it waits 100 ms.
void WaitForIdleProcessor();

}  // namespace bench
