// Writes record lines with a single WriteFile each on a handle opened for
// appending only, so lines from several writers never interleave mid-line.
#include "record.h"

#include <cstdio>

namespace {

HANDLE g_record = INVALID_HANDLE_VALUE;

std::string Utf8(const std::wstring& text)
{
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

void WriteLine(HWND hwnd, const std::string& rest)
{
    if (g_record == INVALID_HANDLE_VALUE) return;
    char handle[17];
    std::snprintf(handle, sizeof handle, "%016llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
    std::string line = handle;
    line += ' ';
    line += rest;
    line += '\n';
    DWORD written = 0;
    WriteFile(g_record, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace

bool OpenRecord(const std::wstring& path)
{
    // FILE_APPEND_DATA without FILE_WRITE_DATA makes every write land at the
    // current end of file, even with other processes appending to it too.
    g_record = CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return g_record != INVALID_HANDLE_VALUE;
}

void RecordEvent(HWND hwnd, const std::string& event)
{
    WriteLine(hwnd, event);
}

void RecordEventText(HWND hwnd, const std::string& event, const std::wstring& text)
{
    WriteLine(hwnd, event + ' ' + EscapeText(text));
}

std::string Hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string Hex8(uint64_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value & 0xFFFFFFFFu));
    return text;
}

std::string EscapeText(const std::wstring& text)
{
    std::string out;
    for (const char c : Utf8(text)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c; break;
        }
    }
    return out;
}
