// Saved groups: named sets of terminal titles that outlive the session. They are read from
// fkh.ini at start-up and written back after every change; recalling one selects the listed
// terminals with those titles.
#pragma once

#include <string>
#include <vector>

#include "groups/group_text.h"
#include "terminals/terminal_lists.h"

extern std::vector<Group> Groups;

// Reads the groups from fkh.ini; LoadSettings has formed its path.
void LoadGroups();

void SaveSelectionAsGroup();
// An index without a group only says so.
void RecallGroup(std::size_t index);
void RenameGroup(std::size_t index);
void RemoveGroup(std::size_t index);

// The menu commands of the groups; false for any other identifier.
bool DispatchGroupCommand(int id);

// A name as a menu or a message shows it: on one line, and at most about 60 units long.
std::wstring DisplayName(const std::wstring& name);
