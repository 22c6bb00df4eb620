// What the start-up benchmark needs to know of minimal_window.exe: its window class.
#pragma once

constexpr wchar_t kMinimalWindowClass[] = L"MinimalWindow";
