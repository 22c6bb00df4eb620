// The three settings and fkh.ini, the file in the Documents folder that keeps them. The file is
// read once at start-up and rewritten only when the options dialog is confirmed.
#pragma once

#include <string>

#include "settings/settings_text.h"

extern Settings CurrentSettings;

// Forms the file's path and reads the settings from it; a missing or unreadable file leaves
// the defaults.
void LoadSettings();

// Rewrites the file's section "BASE" from CurrentSettings, keeping its other sections. The new
// text goes to a file beside it that then replaces it, so a failed write leaves the old file
// whole. False when nothing was written.
bool SaveSettings();
