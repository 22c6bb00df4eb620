// The three settings in fkh.ini's section "BASE". The file is read once at start-up and the
// section rewritten only when the options dialog is confirmed.
#include "settings/settings_file.h"

#include "base/ini_file.h"

// The settings in force, as read from fkh.ini and changed by the options dialog.
Settings CurrentSettings;

void LoadSettings() {
  if (const std::optional<std::string> text = ReadIniText()) {
    CurrentSettings = ReadSettings(*text);
  }
}

bool SaveSettings() {
  return RewriteIniFile([](std::string_view text) {
    return RewriteSection(text, "BASE", FormatSettingsSection(CurrentSettings));
  });
}
