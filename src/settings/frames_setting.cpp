// The frames' switch in fkh.ini; see frames_setting.h.
#include "settings/frames_setting.h"

#include "base/ini_file.h"
#include "settings/settings_text.h"

bool ShowFrames = true;

namespace {

constexpr std::string_view kSection = "FRAMES";
constexpr std::string_view kKey = "show";

}  // namespace

void LoadFramesSetting() {
  if (const std::optional<std::string> text = ReadIniText()) {
    ShowFrames = ReadFlag(ProfileValue(*text, kSection, kKey));
  }
}

bool SaveFramesSetting() {
  const std::string body = std::string(kKey) + (ShowFrames ? " = TRUE" : " = FALSE");
  return RewriteIniFile(
      [&body](std::string_view text) { return RewriteSection(text, kSection, body); });
}
