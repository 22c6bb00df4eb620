// Whether frames mark the terminals that will receive the keys: fkh.ini's section "FRAMES", key
// "show", "TRUE" or "FALSE" (read as the paste flags are: anything but TRUE is off, a missing
// key is on). A section of its own, so that "BASE" stays as it always was.
#pragma once

// The setting as fkh.ini holds it; on without a readable file.
bool LoadFramesSetting();
// Rewrites the section "FRAMES" with the switch, keeping the rest of the file; false when
// nothing was written.
bool SaveFramesSetting(bool show);
