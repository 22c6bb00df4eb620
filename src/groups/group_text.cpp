// The text of the groups section; see group_text.h. Section headers and lines are recognised
// exactly as the settings reader recognises them, so both agree on where a section ends.
#include "groups/group_text.h"

#include <unordered_map>
#include <unordered_set>

#include "base/ini_text.h"

namespace {

constexpr std::string_view kSection = "Groups";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr char kHex[] = "0123456789ABCDEF";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool NeedsEscape(Utf16Unit unit, bool atEnd) {
  constexpr std::string_view kMeaningful = "%=,;#[]\"'";
  const auto value = static_cast<char32_t>(unit);
  return value < 0x20 || value >= 0x7F || (value == ' ' && atEnd) ||
         kMeaningful.find(static_cast<char>(value)) != std::string_view::npos;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// `digits` hex digits at the front of text as a number, taken off text; -1 if they are not.
long TakeHex(std::string_view& text, std::size_t digits) {
  if (text.size() < digits) return -1;
  long value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    const int digit = HexValue(text[i]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  text.remove_prefix(digits);
  return value;
}

// One UTF-8 sequence at the front of text (its lead byte at or above 0x80), taken off text;
// -1 for a malformed, overlong or surrogate sequence.
long TakeUtf8(std::string_view& text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || text.size() < length) return -1;
  long value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return -1;
    value = (value << 6) | (next & 0x3F);
  }
  constexpr long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return -1;
  }
  text.remove_prefix(length);
  return value;
}

void AppendCodePoint(long value, Utf16String& out) {
  if (value < 0x10000) {
    out.push_back(static_cast<Utf16Unit>(value));
    return;
  }
  value -= 0x10000;
  out.push_back(static_cast<Utf16Unit>(0xD800 + (value >> 10)));
  out.push_back(static_cast<Utf16Unit>(0xDC00 + (value & 0x3FF)));
}

// The text of one name or title; false when an escape is broken or the UTF-8 is invalid.
bool DecodeGroupText(std::string_view text, Utf16String& out) {
  out.clear();
  while (!text.empty()) {
    const char c = text.front();
    long value = static_cast<unsigned char>(c);
    if (c == '%') {
      text.remove_prefix(1);
      const bool wide = !text.empty() && (text.front() == 'u' || text.front() == 'U');
      if (wide) text.remove_prefix(1);
      value = TakeHex(text, wide ? 4 : 2);
    } else if (value >= 0x80) {
      value = TakeUtf8(text);
    } else {
      text.remove_prefix(1);
    }
    if (value < 0) return false;
    AppendCodePoint(value, out);
  }
  return true;
}

bool IsComment(std::string_view line) {
  return line.empty() || line.front() == ';' || line.front() == '#';
}

std::string_view WithoutBom(std::string_view text) {
  return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? text.substr(kUtf8Bom.size()) : text;
}

enum class LineKind { Outside, Header, Loaded, NotLoaded, Blank };

// Walks the file's lines and tells for each whether it lies outside the first groups section,
// is its header, or within it loads as a group, does not load, or is blank. The reader and
// the rewrite share it, so that the rewrite drops exactly the lines that loaded.
class GroupLines {
 public:
  explicit GroupLines(std::string_view fileText) : rest_(WithoutBom(fileText)) {}

  bool Next(std::string_view& line, LineKind& kind, Group& group) {
    if (rest_.empty()) return false;
    line = NextLine(rest_);
    kind = Classify(line, group);
    return true;
  }

 private:
  LineKind Classify(std::string_view line, Group& group) {
    if (const auto name = SectionName(line)) {
      inSection_ = !seenSection_ && SameName(*name, kSection);
      seenSection_ = seenSection_ || inSection_;
      return inSection_ ? LineKind::Header : LineKind::Outside;
    }
    if (!inSection_) return LineKind::Outside;
    if (Trim(line).empty()) return LineKind::Blank;
    if (!ParseGroupLine(line, group)) return LineKind::NotLoaded;
    if (names_.count(group.name) != 0) return LineKind::Loaded;
    if (names_.size() >= kMaxGroups) return LineKind::NotLoaded;
    names_.insert(group.name);
    return LineKind::Loaded;
  }

  std::string_view rest_;
  bool inSection_ = false;
  bool seenSection_ = false;
  std::unordered_set<Utf16String> names_;
};

}  // namespace

std::string EncodeGroupText(Utf16View text) {
  std::string encoded;
  encoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto value = static_cast<char32_t>(text[i]);
    if (!NeedsEscape(text[i], i == 0 || i + 1 == text.size())) {
      encoded += static_cast<char>(value);
    } else if (value < 0x100) {
      encoded += {'%', kHex[value >> 4], kHex[value & 0xF]};
    } else {
      encoded += {'%', 'u', kHex[value >> 12], kHex[(value >> 8) & 0xF], kHex[(value >> 4) & 0xF],
                  kHex[value & 0xF]};
    }
  }
  return encoded;
}

bool ParseGroupLine(std::string_view line, Group& group) {
  line = Trim(line);
  const std::size_t equals = line.find('=');
  if (IsComment(line) || equals == std::string_view::npos ||
      !DecodeGroupText(Trim(line.substr(0, equals)), group.name) || group.name.empty()) {
    return false;
  }
  group.titles.clear();
  std::string_view list = line.substr(equals + 1);
  Utf16String title;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = Trim(list.substr(0, comma));
    list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    if (item.empty()) continue;
    if (!DecodeGroupText(item, title)) return false;
    group.titles.push_back(title);
  }
  return true;
}

std::string FormatGroupLine(const Group& group) {
  std::string line = EncodeGroupText(group.name) + " =";
  const char* separator = " ";
  for (const Utf16String& title : group.titles) {
    if (title.empty()) continue;  // an empty item reads as no title at all
    line += separator + EncodeGroupText(title);
    separator = ",";
  }
  return line;
}

std::vector<Group> ReadGroups(std::string_view fileText) {
  std::vector<Group> groups;
  std::unordered_map<Utf16String, std::size_t> places;
  GroupLines lines(fileText);
  std::string_view line;
  LineKind kind;
  Group group;
  while (lines.Next(line, kind, group)) {
    if (kind != LineKind::Loaded) continue;
    const auto [place, isNew] = places.emplace(group.name, groups.size());
    if (isNew) {
      groups.push_back(std::move(group));
    } else {
      std::vector<Utf16String>& titles = groups[place->second].titles;
      titles.insert(titles.end(), group.titles.begin(), group.titles.end());
    }
  }
  return groups;
}

std::string RewriteGroups(std::string_view fileText, const std::vector<Group>& groups) {
  std::string section = "[" + std::string(kSection) + "]\r\n";
  for (const Group& group : groups) section += FormatGroupLine(group) + "\r\n";
  std::string text(fileText.substr(0, fileText.size() - WithoutBom(fileText).size()));
  // Blank lines are held back until it is known whether a kept line or the next section follows.
  std::string blanks;
  bool written = false;
  GroupLines lines(fileText);
  std::string_view line;
  LineKind kind;
  Group group;
  while (lines.Next(line, kind, group)) {
    switch (kind) {
      case LineKind::Header: text += section; written = true; break;
      case LineKind::Blank: blanks += line; break;
      case LineKind::Loaded: blanks.clear(); break;
      case LineKind::NotLoaded:
      case LineKind::Outside:
        text += blanks;
        blanks.clear();
        text += line;
        break;
    }
  }
  text += blanks;
  if (!written && !groups.empty()) {
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    text += section;
  }
  return text;
}
