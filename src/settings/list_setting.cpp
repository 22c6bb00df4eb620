// The live list's switch in fkh.ini; see list_setting.h.
#include "settings/list_setting.h"

#include "base/ini_file.h"

bool ListFollowsDesktop = false;

namespace {

constexpr std::string_view kSection = "LIST";
constexpr std::string_view kKey = "live";

}  // namespace

void LoadListSetting() {
  ListFollowsDesktop = ReadIniSwitch(kSection, kKey, false).value_or(false);
}

bool SaveListSetting() { return WriteIniSwitch(kSection, kKey, ListFollowsDesktop); }
