// Whether the terminal list keeps itself current: fkh.ini's section "LIST", key "live", "TRUE"
// or "FALSE". Off unless the file says "TRUE" (in any case): a list that changes by itself is
// asked for. A section of its own, so that "BASE" stays as it always was.
#pragma once

extern bool ListFollowsDesktop;

// Reads the setting from IniPath, which LoadSettings forms first.
void LoadListSetting();
// Rewrites the section "LIST" from ListFollowsDesktop, keeping the rest of the file; false when
// nothing was written.
bool SaveListSetting();
