// The record file: one UTF-8 line per event, appended and written through at
// once so that tests can read it while the stand-in runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Opens (or creates) the file for appending. Returns false when it cannot be
// opened; until a successful call every Record* function does nothing.
bool OpenRecord(const std::wstring& path);

// Writes "<hwnd> <event>\n"; event holds the name and any numeric fields.
void RecordEvent(HWND hwnd, const std::string& event);

// Writes "<hwnd> <event> <escaped text>\n"; the text may be empty.
void RecordEventText(HWND hwnd, const std::string& event, const std::wstring& text);

// "0x" and the value in upper-case hex without padding, e.g. 0x41.
std::string Hex(uint64_t value);

// "0x" and the low 32 bits as exactly 8 upper-case hex digits, e.g. 0x001E0001.
std::string Hex8(uint64_t value);

// UTF-8 of text with \ as \\, line feed as \n, carriage return as \r, tab as \t.
std::string EscapeText(const std::wstring& text);
