// Reading and rewriting an INI file's text; see ini_text.h. The rules are those of
// GetPrivateProfileStringW: a section starts at a line "[name]", an entry is "key = value",
// names match without regard to case, blanks around keys and values do not count, and only
// the first section of a name is read.
#include "base/ini_text.h"

#include <algorithm>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string_view WithoutBom(std::string_view text) {
  return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? text.substr(kUtf8Bom.size()) : text;
}

std::string_view Unquote(std::string_view value) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string_view NextLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  const std::size_t length = end == std::string_view::npos ? rest.size() : end + 1;
  const std::string_view line = rest.substr(0, length);
  rest.remove_prefix(length);
  return line;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  const std::size_t close = line.rfind(']');
  if (line.empty() || line.front() != '[' || close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

std::optional<std::string> ProfileValue(std::string_view fileText, std::string_view section,
                                        std::string_view key) {
  std::string_view rest = WithoutBom(fileText);
  bool inSection = false;
  while (!rest.empty()) {
    const std::string_view line = Trim(NextLine(rest));
    if (const auto name = SectionName(line)) {
      if (inSection) return std::nullopt;  // later sections of the same name are not read
      inSection = SameName(*name, section);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string_view::npos ||
        !SameName(Trim(line.substr(0, equals)), key)) {
      continue;
    }
    return std::string(Unquote(Trim(line.substr(equals + 1))).substr(0, kProfileValueLimit));
  }
  return std::nullopt;
}

bool ReadFlag(const std::optional<std::string>& value) {
  return !value || SameName(*value, "TRUE");
}

std::string RewriteSection(std::string_view fileText, std::string_view name,
                           std::string_view body) {
  const std::string section = "[" + std::string(name) + "]\r\n" + std::string(body) + "\r\n";
  std::string text;
  std::string_view rest = fileText;
  if (rest.size() != WithoutBom(rest).size()) {
    text += kUtf8Bom;
    rest = WithoutBom(rest);
  }
  bool inSection = false;
  bool written = false;
  // Blank lines that end a replaced section still separate it from the next one.
  std::string trailingBlanks;
  while (!rest.empty()) {
    const std::string_view line = NextLine(rest);
    if (const auto sectionName = SectionName(line)) {
      text += trailingBlanks;
      trailingBlanks.clear();
      inSection = SameName(*sectionName, name);
      if (!inSection) {
        text += line;
      } else if (!written) {
        text += section;
        written = true;
      }
    } else if (!inSection) {
      text += line;
    } else if (Trim(line).empty()) {
      trailingBlanks += line;
    } else {
      trailingBlanks.clear();
    }
  }
  text += trailingBlanks;
  if (!written) {
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    text += section;
  }
  return text;
}
