// The frames' switch in fkh.ini; see frames_setting.h.
#include "settings/frames_setting.h"

#include "base/ini_file.h"

bool ShowFrames = true;

namespace {

constexpr std::string_view kSection = "FRAMES";
constexpr std::string_view kKey = "show";

}  // namespace

void LoadFramesSetting() { ShowFrames = ReadIniSwitch(kSection, kKey, true).value_or(ShowFrames); }

bool SaveFramesSetting() { return WriteIniSwitch(kSection, kKey, ShowFrames); }
