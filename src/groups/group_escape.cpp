// The escape codec of the groups' names and titles; see group_escape.h.
#include "groups/group_escape.h"

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

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
