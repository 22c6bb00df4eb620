// The record file a stand-in terminal writes: one UTF-8 line per event that reached one of its
// windows, "HWND EVENT args", HWND as 16 hex digits, text fields escaped (\\ \n \r \t).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct RecordLine {
  HWND window = nullptr;
  std::wstring event;  // READY, KEYDOWN, CHAR, PASTE, ...
  std::wstring args;   // the rest of the line after one space, unescaped; may be empty
};

// Complete lines only: a line still being written (no "\n" yet) is left for the next read.
// Lines that are not of the record's form are returned with window == nullptr and the whole
// line in args, so that a test sees them instead of losing them.
std::vector<RecordLine> ParseRecord(std::string_view utf8);
// Reads and parses the file; empty if it does not exist (yet).
std::vector<RecordLine> ReadRecord(const std::wstring& path);

// The args of line as space-separated numbers ("0x" prefix: hexadecimal, else decimal);
// nullopt if any field is not a number.
std::optional<std::vector<uint64_t>> Numbers(const RecordLine& line);

// The lines of window with event (any window when window is nullptr), in order.
std::vector<RecordLine> Events(const std::vector<RecordLine>& record, HWND window,
                               std::wstring_view event);
// The characters of window's CHAR lines, concatenated: the text it received as WM_CHAR.
std::wstring ReceivedChars(const std::vector<RecordLine>& record, HWND window);

}  // namespace e2e
