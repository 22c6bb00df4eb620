// See files.h.
#include "harness/files.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

namespace e2e {

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  return static_cast<bool>(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  // Shared every way: the writer (a stand-in, Flockhand) may hold the file open.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

}  // namespace e2e
