// The live list's switch in fkh.ini; see list_setting.h.
#include "settings/list_setting.h"

#include "base/ini_file.h"

namespace {

constexpr std::string_view kSection = "LIST";
constexpr std::string_view kKey = "live";

}  // namespace

bool LoadListSetting() { return ReadIniSwitch(kSection, kKey, false).value_or(false); }

bool SaveListSetting(bool live) { return WriteIniSwitch(kSection, kKey, live); }
