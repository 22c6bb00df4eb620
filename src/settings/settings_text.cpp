// The three settings in fkh.ini's text; see settings_text.h.
#include "settings/settings_text.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::string_view kSection = "BASE";
constexpr unsigned kDefaultAlpha = 60;

}  // namespace

unsigned ReadAlpha(const std::optional<std::string>& value) {
  if (!value || value->empty()) return kDefaultAlpha;
  std::string_view digits = *value;
  const bool negative = digits.front() == '-';
  if (negative || digits.front() == '+') digits.remove_prefix(1);
  unsigned long long number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') break;
    number = std::min<unsigned long long>(number * 10 + static_cast<unsigned>(c - '0'), UINT_MAX);
  }
  return negative ? 0 : static_cast<unsigned>(number);
}

Settings ReadSettings(std::string_view fileText) {
  Settings settings;
  settings.alpha = ReadAlpha(ProfileValue(fileText, kSection, "alpha"));
  settings.pasteConfirm = ReadFlag(ProfileValue(fileText, kSection, "pasteConfirm"));
  settings.forcePaste = ReadFlag(ProfileValue(fileText, kSection, "forcePaste"));
  return settings;
}

std::string FormatSettingsSection(const Settings& settings) {
  const auto flag = [](bool on) { return on ? "TRUE" : "FALSE"; };
  return std::string("pasteConfirm = ") + flag(settings.pasteConfirm) +
         "\r\nforcePaste = " + flag(settings.forcePaste) +
         "\r\nalpha = " + std::to_string(settings.alpha);
}
