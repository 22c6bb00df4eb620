// The three settings and fkh.ini, the file in the Documents folder that keeps them. The file is
// read once at start-up and rewritten when the options dialog is confirmed or frames switched.
#pragma once

#include <functional>
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

// The file's text as the section readers take it (its bytes, or UTF-8 for a UTF-16 file): empty
// when there is no file; nullopt without a Documents folder, or when the file cannot be read
// whole or lies past the size bound.
std::optional<std::string> ReadIniText();

// Replaces the file's text with rewrite(its text), by the same route as SaveSettings; false
// when nothing was written, also when the new text would lie past the size bound, since a file
// past it is no longer read.
bool RewriteIniFile(const std::function<std::string(std::string_view)>& rewrite);
