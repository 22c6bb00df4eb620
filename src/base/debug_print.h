// Flockhand's trace: one formatted line per call to the debugger's output (OutputDebugStringW),
// each format one of debug_lines.h. The longest line, a terminal's title of at most 1023 units
// with two numbers, fits the buffer.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cwchar>

inline void DebugPrint(const wchar_t* format, ...) {
  wchar_t line[1200];
  va_list arguments;
  va_start(arguments, format);
  vswprintf(line, sizeof(line) / sizeof(line[0]), format, arguments);
  va_end(arguments);
  OutputDebugStringW(line);
}
