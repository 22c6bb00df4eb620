// Whether the terminal list keeps itself current: fkh.ini's section "LIST", key "live", "TRUE"
// or "FALSE". Off unless the file says "TRUE" (in any case): a list that changes by itself is
// asked for. A section of its own, so that "BASE" stays as it always was.
#pragma once

// The setting as fkh.ini holds it; off without a readable file. Reads IniPath, which
// LoadSettings forms first.
bool LoadListSetting();
// Rewrites the section "LIST" with the switch, keeping the rest of the file; false when nothing
// was written.
bool SaveListSetting(bool live);
