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

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The next line of rest with its line feed, taken off rest.
std::string_view NextLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  const std::size_t length = end == std::string_view::npos ? rest.size() : end + 1;
  const std::string_view line = rest.substr(0, length);
  rest.remove_prefix(length);
  return line;
}

std::string_view Unquote(std::string_view value) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

std::string_view WithoutBom(std::string_view text) {
  return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? text.substr(kUtf8Bom.size()) : text;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  const std::size_t close = line.rfind(']');
  if (line.empty() || line.front() != '[' || close == std::string_view::npos) return std::nullopt;
  return line.substr(1, close - 1);
}

std::vector<std::string_view> SectionLines(std::string_view fileText, std::string_view name) {
  std::vector<std::string_view> lines;
  std::string_view rest = WithoutBom(fileText);
  bool inSection = false;
  while (!rest.empty()) {
    const std::string_view line = NextLine(rest);
    if (const auto header = SectionName(line)) {
      if (inSection) break;  // later sections of the same name are not read
      inSection = SameName(*header, name);
    } else if (inSection) {
      lines.push_back(line);
    }
  }
  return lines;
}

std::optional<std::string> ProfileValue(std::string_view fileText, std::string_view section,
                                        std::string_view key) {
  for (std::string_view line : SectionLines(fileText, section)) {
    line = Trim(line);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && SameName(Trim(line.substr(0, equals)), key)) {
      return std::string(Unquote(Trim(line.substr(equals + 1))).substr(0, kProfileValueLimit));
    }
  }
  return std::nullopt;
}

bool ReadFlag(const std::optional<std::string>& value) {
  return !value || SameName(*value, "TRUE");
}

std::string RewriteSection(std::string_view fileText, std::string_view name, std::string_view body,
                           const KeepLine& keep) {
  std::string section = "[" + std::string(name) + "]\r\n";
  if (!body.empty()) section += std::string(body) + "\r\n";
  std::string text;
  std::string_view rest = fileText;
  if (rest.size() != WithoutBom(rest).size()) {
    text += kUtf8Bom;
    rest = WithoutBom(rest);
  }
  bool inSection = false;
  bool written = false;
  // Blank lines within the replaced section are held back: they go with a kept line or the next
  // section that follows them, and with the dropped lines otherwise.
  std::string blanks;
  const auto keepLine = [&](std::string_view line) {
    if (keep && keep(line)) {
      text += blanks;
      text += line;
    }
    blanks.clear();
  };
  while (!rest.empty()) {
    const std::string_view line = NextLine(rest);
    if (const auto sectionName = SectionName(line)) {
      text += blanks;
      blanks.clear();
      inSection = SameName(*sectionName, name);
      if (!inSection) {
        text += line;
      } else if (!written) {
        text += section;
        written = true;
      } else {
        keepLine(line);
      }
    } else if (!inSection) {
      text += line;
    } else if (Trim(line).empty()) {
      blanks += line;
    } else {
      keepLine(line);
    }
  }
  text += blanks;
  if (!written && !body.empty()) {
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    text += section;
  }
  return text;
}
