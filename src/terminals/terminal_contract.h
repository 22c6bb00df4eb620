// What Flockhand knows of the terminal program: the window class of its terminal windows.
#pragma once

// A terminal window is a top-level window of exactly this class (case matters) with a title.
constexpr wchar_t kTerminalWindowClass[] = L"VTWin32";
