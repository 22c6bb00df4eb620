// Whether frames mark the terminals that will receive the keys: fkh.ini's section "FRAMES", key
// "show", "TRUE" or "FALSE" (read as the paste flags are: anything but TRUE is off, a missing
// key is on). A section of its own, so that "BASE" stays as it always was.
#pragma once

extern bool ShowFrames;

// Reads the setting from IniPath, which LoadSettings forms first.
void LoadFramesSetting();
// Rewrites the section "FRAMES" from ShowFrames, keeping the rest of the file; false when
// nothing was written.
bool SaveFramesSetting();
