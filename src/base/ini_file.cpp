// fkh.ini on disk. The text is rewritten here rather than through WritePrivateProfileSectionW,
// which under Wine can lose the blank before "=" and, on a full disk, reports success while
// leaving a truncated file. A file saved as UTF-16 (with its byte-order mark) is read and
// written back as UTF-16.
#include "base/ini_file.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "base/documents_folder.h"
#include "base/ini_text.h"

namespace {

struct IniLocation {
  // Formed on first use; empty when the Documents folder cannot be found or is too deep: then
  // nothing is read and nothing is written.
  std::wstring IniPath;
  bool IniPathFormed = false;
} Ini;

// The file is a few lines; anything larger is not read, nor rewritten.
constexpr DWORD kMaxFileBytes = 1 << 20;
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

enum class FileState { Missing, Read, Unreadable };

FileState ReadWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileState::Missing
                                                                          : FileState::Unreadable;
  }
  LARGE_INTEGER size{};
  DWORD read = 0;
  bool whole = GetFileSizeEx(file, &size) && size.QuadPart <= kMaxFileBytes;
  if (whole) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    whole = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size();
  }
  CloseHandle(file);
  return whole ? FileState::Read : FileState::Unreadable;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  return whole;
}

// A UTF-16 file's text (after its byte-order mark) as UTF-8 and back. Text that does not
// convert losslessly (an odd byte count, an unpaired surrogate, invalid UTF-8) gives nullopt.
std::optional<std::string> Utf16ToUtf8(std::string_view bytes) {
  if (bytes.size() % 2) return std::nullopt;
  const auto* units = reinterpret_cast<const wchar_t*>(bytes.data());
  const int count = static_cast<int>(bytes.size() / 2);
  const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, units, count, nullptr, 0,
                                       nullptr, nullptr);
  std::string text(size, '\0');
  if (count > 0 &&
      (size <= 0 || WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, units, count, text.data(),
                                        size, nullptr, nullptr) != size)) {
    return std::nullopt;
  }
  return text;
}

std::optional<std::string> Utf8ToUtf16(std::string_view text) {
  const int size = static_cast<int>(text.size());
  const int count =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  std::wstring units(count, L'\0');
  if (size > 0 && (count <= 0 || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                                     size, units.data(), count) != count)) {
    return std::nullopt;
  }
  return std::string(reinterpret_cast<const char*>(units.data()), units.size() * sizeof(wchar_t));
}

// The file's text as the section readers take it, and whether the file is UTF-16; nullopt if the
// file exists but cannot be read whole. A missing file reads as empty text.
std::optional<std::string> ReadSettingsText(bool& utf16) {
  std::string bytes;
  utf16 = false;
  switch (ReadWholeFile(Ini.IniPath, bytes)) {
    case FileState::Missing: return std::string();
    case FileState::Unreadable: return std::nullopt;
    case FileState::Read: break;
  }
  utf16 = std::string_view(bytes).substr(0, 2) == kUtf16Bom;
  if (!utf16) return bytes;
  return Utf16ToUtf8(std::string_view(bytes).substr(2));
}

// Windows refuses to replace a read-only file and Wine does not: either way it stays as it is.
bool IsReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

const std::wstring& Path() {
  if (!Ini.IniPathFormed) Ini.IniPath = DocumentsFilePath(L"fkh.ini");
  Ini.IniPathFormed = true;
  return Ini.IniPath;
}

}  // namespace

std::optional<std::string> ReadIniText() {
  bool utf16 = false;
  if (Path().empty()) return std::nullopt;
  return ReadSettingsText(utf16);
}

bool RewriteIniFile(const std::function<std::string(std::string_view)>& rewrite) {
  if (Path().empty() || IsReadOnly(Ini.IniPath)) return false;
  bool utf16 = false;
  // What cannot be read cannot be kept: better the old text in the file than lost sections.
  const std::optional<std::string> text = ReadSettingsText(utf16);
  if (!text) return false;
  std::optional<std::string> bytes = rewrite(*text);
  if (utf16) {
    bytes = Utf8ToUtf16(*bytes);
    if (!bytes) return false;
    bytes->insert(0, kUtf16Bom);
  }
  if (bytes->size() > kMaxFileBytes) return false;
  const std::wstring newPath = Ini.IniPath + L".new";
  if (!WriteWholeFile(newPath, *bytes) ||
      !MoveFileExW(newPath.c_str(), Ini.IniPath.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(newPath.c_str());
    return false;
  }
  return true;
}

std::optional<bool> ReadIniSwitch(std::string_view section, std::string_view key, bool missing) {
  const std::optional<std::string> text = ReadIniText();
  if (!text) return std::nullopt;
  const std::optional<std::string> value = ProfileValue(*text, section, key);
  return value ? ReadFlag(value) : missing;
}

bool WriteIniSwitch(std::string_view section, std::string_view key, bool on) {
  const std::string body = std::string(key) + (on ? " = TRUE" : " = FALSE");
  return RewriteIniFile(
      [section, &body](std::string_view text) { return RewriteSection(text, section, body); });
}
