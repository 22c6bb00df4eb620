// The frames' switch in fkh.ini; see frames_setting.h.
#include "settings/frames_setting.h"

#include "base/ini_file.h"

namespace {

constexpr std::string_view kSection = "FRAMES";
constexpr std::string_view kKey = "show";

}  // namespace

bool LoadFramesSetting() { return ReadIniSwitch(kSection, kKey, true).value_or(true); }

bool SaveFramesSetting(bool show) { return WriteIniSwitch(kSection, kKey, show); }
