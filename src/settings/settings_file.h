// The three settings and fkh.ini, the file in the Documents folder that keeps them. The file is
// read once at start-up and rewritten when the options dialog is confirmed or frames switched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_text.h"

extern Settings CurrentSettings;

// Forms the file's path and reads the settings from it; a missing or unreadable file leaves
// the defaults.
void LoadSettings();

// Rewrites the file's section "BASE" from CurrentSettings, keeping its other sections. False
// when nothing was written.
bool SaveSettings();

// The file's text, empty when there is no file; nullopt when it cannot be read whole.
std::optional<std::string> ReadSettingsFile();
// Rewrites the file's section `name` with the lines of `body`, keeping every other line (see
// RewriteSection). The new text goes to a file beside it that then replaces it, so a failed
// write leaves the old file whole. False when nothing was written.
bool SaveSettingsSection(std::string_view name, std::string_view body);
