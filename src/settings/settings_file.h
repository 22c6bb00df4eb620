// The three settings, kept in fkh.ini's section "BASE" (see ini_file.h).
#pragma once

#include "settings/settings_text.h"

extern Settings CurrentSettings;

// Reads the settings from the file; a missing or unreadable file leaves the defaults.
void LoadSettings();

// Rewrites the file's section "BASE" from CurrentSettings, keeping everything else in it. False
// when nothing was written.
bool SaveSettings();
