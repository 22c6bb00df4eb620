// Parsing of stand-in record files.
#include "harness/record.h"

#include <cwchar>
#include <cwctype>

#include "harness/files.h"
#include "harness/text.h"

namespace e2e {

namespace {

std::wstring Unescape(std::wstring_view text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case L'n': out += L'\n'; break;
      case L'r': out += L'\r'; break;
      case L't': out += L'\t'; break;
      default: out += text[i]; break;  // "\\" and anything unexpected: the character itself
    }
  }
  return out;
}

std::optional<uint64_t> Number(std::wstring_view field) {
  const bool hex = field.size() > 2 && field[0] == L'0' && (field[1] == L'x' || field[1] == L'X');
  const std::wstring digits(hex ? field.substr(2) : field);
  if (digits.empty()) return std::nullopt;
  wchar_t* end = nullptr;
  const uint64_t value = std::wcstoull(digits.c_str(), &end, hex ? 16 : 10);
  if (*end != L'\0' || !std::iswxdigit(digits[0])) return std::nullopt;
  return value;
}

RecordLine ParseLine(std::wstring_view line) {
  const size_t handleEnd = line.find(L' ');
  const std::optional<uint64_t> handle =
      handleEnd == 16 ? Number(L"0x" + std::wstring(line.substr(0, 16))) : std::nullopt;
  if (!handle) return {nullptr, L"", std::wstring(line)};
  RecordLine parsed;
  parsed.window = reinterpret_cast<HWND>(static_cast<uintptr_t>(*handle));
  const std::wstring_view rest = line.substr(handleEnd + 1);
  const size_t eventEnd = rest.find(L' ');
  parsed.event = std::wstring(rest.substr(0, eventEnd));
  if (eventEnd != std::wstring_view::npos) parsed.args = Unescape(rest.substr(eventEnd + 1));
  return parsed;
}

}  // namespace

std::vector<RecordLine> ParseRecord(std::string_view utf8) {
  std::vector<RecordLine> lines;
  for (size_t end = utf8.find('\n'); end != std::string_view::npos; end = utf8.find('\n')) {
    lines.push_back(ParseLine(Utf16(utf8.substr(0, end))));
    utf8.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<RecordLine> ReadRecord(const std::wstring& path) {
  return ParseRecord(ReadFileBytes(path).value_or(std::string()));
}

std::optional<std::vector<uint64_t>> Numbers(const RecordLine& line) {
  std::vector<uint64_t> numbers;
  std::wstring_view rest = line.args;
  while (!rest.empty()) {
    const size_t end = rest.find(L' ');
    const std::optional<uint64_t> number = Number(rest.substr(0, end));
    if (!number) return std::nullopt;
    numbers.push_back(*number);
    rest = end == std::wstring_view::npos ? std::wstring_view() : rest.substr(end + 1);
  }
  return numbers;
}

std::vector<RecordLine> Events(const std::vector<RecordLine>& record, HWND window,
                               std::wstring_view event) {
  std::vector<RecordLine> matching;
  for (const auto& line : record) {
    if ((window == nullptr || line.window == window) && line.event == event) {
      matching.push_back(line);
    }
  }
  return matching;
}

std::wstring ReceivedChars(const std::vector<RecordLine>& record, HWND window) {
  std::wstring chars;
  for (const auto& line : Events(record, window, L"CHAR")) {
    const auto numbers = Numbers(line);
    if (numbers && !numbers->empty()) chars += static_cast<wchar_t>((*numbers)[0]);
  }
  return chars;
}

}  // namespace e2e
