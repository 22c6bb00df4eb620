// One terminal window as Flockhand remembers it. Kept free of <windows.h> so that the
// orders and list logic built on it compile natively for the unit tests.
#pragma once

#include <cstdint>

#include "base/utf16.h"

// The same type as HWND under <windows.h> with STRICT; an opaque pointer elsewhere.
struct HWND__;
using WindowHandle = HWND__*;

// Titles are read into 1024 units, so at most 1023 units of text survive.
constexpr std::size_t kTitleCapacity = 1024;

// A plain value, copied whole between the lists and never updated. The title takes only its
// own length, so that sorting and copying thousands of entries moves little memory.
struct TerminalEntry {
  Utf16String title;
  WindowHandle window;
};

inline Utf16View TitleOf(const TerminalEntry& entry) { return entry.title; }

inline std::uintptr_t HandleValue(WindowHandle window) {
  return reinterpret_cast<std::uintptr_t>(window);
}

// An entry with the title cut, as a zero-terminated 1024-unit buffer would hold it: before
// its first zero unit and to at most 1023 units.
TerminalEntry MakeTerminalEntry(Utf16View title, WindowHandle window);
