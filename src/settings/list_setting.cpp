// The live list's switch in fkh.ini; see list_setting.h.
#include "settings/list_setting.h"

#include "base/ini_file.h"
#include "base/ini_text.h"

bool ListFollowsDesktop = false;

namespace {

constexpr std::string_view kSection = "LIST";
constexpr std::string_view kKey = "live";

}  // namespace

void LoadListSetting() {
  if (const std::optional<std::string> text = ReadIniText()) {
    const std::optional<std::string> value = ProfileValue(*text, kSection, kKey);
    ListFollowsDesktop = value && ReadFlag(value);
  }
}

bool SaveListSetting() {
  const std::string body = std::string(kKey) + (ListFollowsDesktop ? " = TRUE" : " = FALSE");
  return RewriteIniFile(
      [&body](std::string_view text) { return RewriteSection(text, kSection, body); });
}
