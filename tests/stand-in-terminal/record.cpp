// Writes record lines with a single WriteFile each on a handle opened for
// appending only, under a per-file mutex, so lines of several writers never
// overwrite or interleave with each other.
#include "record.h"

#include <cstdio>
#include <cwchar>

#include "harness/text.h"

namespace {

// A writer holding the lock longer than this is stuck; write regardless.
constexpr DWORD kLockTimeoutMs = 2000;

HANDLE RecordFile = INVALID_HANDLE_VALUE;
HANDLE RecordLock = nullptr;

// Wine emulates an append-only handle with fstat and pwrite, so two processes
// appending at once can overwrite each other's lines. Writers of one file
// therefore also take a mutex named after the file's full path.
HANDLE CreateRecordLock(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  DWORD length =
      GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (length == 0) return nullptr;
  full.resize(length);
  CharUpperBuffW(full.data(), length);
  uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (const wchar_t c : full) {
    hash = (hash ^ static_cast<uint64_t>(c)) * 1099511628211ull;
  }
  wchar_t name[48];
  swprintf(name, 48, L"vtwin32-record-%016llx", static_cast<unsigned long long>(hash));
  return CreateMutexW(nullptr, FALSE, name);
}

void WriteLine(HWND hwnd, const std::string& rest) {
  if (RecordFile == INVALID_HANDLE_VALUE) return;
  char handle[17];
  std::snprintf(handle, sizeof handle, "%016llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
  std::string line = handle;
  line += ' ';
  line += rest;
  line += '\n';
  const DWORD wait = RecordLock ? WaitForSingleObject(RecordLock, kLockTimeoutMs) : WAIT_FAILED;
  DWORD written = 0;
  WriteFile(RecordFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  // WAIT_ABANDONED: a writer died holding the lock, which is now ours.
  if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) ReleaseMutex(RecordLock);
}

}  // namespace

bool OpenRecord(const std::wstring& path) {
  // FILE_APPEND_DATA without FILE_WRITE_DATA makes every write land at the
  // current end of file, even with other processes appending to it too.
  RecordFile = CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (RecordFile == INVALID_HANDLE_VALUE) return false;
  RecordLock = CreateRecordLock(path);
  return true;
}

void RecordEvent(HWND hwnd, const std::string& event) { WriteLine(hwnd, event); }

void RecordEventText(HWND hwnd, const std::string& event, const std::wstring& text) {
  WriteLine(hwnd, event + ' ' + EscapeText(text));
}

std::string Hex(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

std::string Hex8(uint64_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value & 0xFFFFFFFFu));
  return text;
}

std::string EscapeText(const std::wstring& text) {
  std::string out;
  for (const char c : e2e::Utf8(text)) {
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
