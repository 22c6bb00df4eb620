// Every line Flockhand writes to the debugger's output (DebugPrint), each a format with a note of
// what happened when it is written. The end-to-end tests read these lines to follow what
// Flockhand did, so they are a contract: the program writes no other, and changing one changes
// what the tests expect of it. Free of <windows.h>, so that a test may include it too.
#pragma once

// The summon hot key (Ctrl+Shift+T) could not be registered: another program holds it. The one
// line without a line feed.
constexpr wchar_t kHotKeyTakenLine[] = L"NG!";

// The displays were listed (at start-up, and again after a display or work-area change): how
// many the system reports.
constexpr wchar_t kDisplayCountLine[] = L"%d\n";
// Then one per display, in the system's order: its device name and its work area's left, top,
// right and bottom in virtual-screen pixels.
constexpr wchar_t kDisplayLine[] = L"%ls: %d, %d, %d, %d\n";

// An arrangement began: the left and top of the chosen display's work area.
constexpr wchar_t kArrangeOriginLine[] = L"%d, %d\n";
// It placed a terminal: the title it was selected with, and its cell's left and top.
constexpr wchar_t kTerminalPlacedLine[] = L"%ls: %d, %d\n";

// A fade ended, "out" (Alt+T while opaque) or "in": the first and the last alpha it set and how
// many steps it took.
constexpr wchar_t kFadeLine[] = L"fade %ls: %u to %u, steps %u\n";
// A fade that set no alpha at all (an alpha setting above 255).
constexpr wchar_t kFadeWithoutStepsLine[] = L"fade %ls: steps 0\n";
