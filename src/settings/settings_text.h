// The three settings in fkh.ini's section "BASE", read and written as text (see ini_text.h).
#pragma once

#include <string>
#include <string_view>

#include "base/ini_text.h"

struct Settings {
  unsigned alpha = 60;  // the alpha a fade ends at; 0-255 is meaningful
  bool pasteConfirm = true;
  bool forcePaste = true;
};

// A missing or empty value gives 60; otherwise the leading decimal number, with a negative one
// giving 0 and anything that is not a number giving 0. Never clamped to 255.
unsigned ReadAlpha(const std::optional<std::string>& value);

Settings ReadSettings(std::string_view fileText);

// The section's contents: "pasteConfirm = TRUE\r\nforcePaste = TRUE\r\nalpha = 60".
std::string FormatSettingsSection(const Settings& settings);
