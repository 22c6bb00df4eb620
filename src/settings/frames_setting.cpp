// The frames' switch in fkh.ini; see frames_setting.h.
#include "settings/frames_setting.h"

#include "base/ini_file.h"
#include "settings/settings_text.h"

namespace {

constexpr std::string_view kSection = "FRAMES";
constexpr std::string_view kKey = "show";

}  // namespace

bool LoadFramesSetting() {
  const std::optional<std::string> text = ReadIniText();
  return !text || ReadFlag(ProfileValue(*text, kSection, kKey));
}

bool SaveFramesSetting(bool show) {
  const std::string body = std::string(kKey) + (show ? " = TRUE" : " = FALSE");
  return RewriteIniFile(
      [&body](std::string_view text) { return RewriteSection(text, kSection, body); });
}
