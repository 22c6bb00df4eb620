// Named groups of terminal titles and their section of fkh.ini, kept free of <windows.h>.
// Each group is one line, "name = title,title,...", its name and titles escaped
// (group_escape.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/utf16.h"
#include "groups/group_escape.h"

struct Group {
  Utf16String name;
  std::vector<Utf16String> titles;
};

// Lines past this many loadable ones are kept in the file but not loaded: each group takes
// three menu commands of a fixed range.
constexpr std::size_t kMaxGroups = 1000;

// One line of the section; false for a line that does not hold a group (a comment, a line
// without "=", an empty name, a broken escape or invalid UTF-8).
bool ParseGroupLine(std::string_view line, Group& group);
std::string FormatGroupLine(const Group& group);

// The groups of the file's first section "Groups" (named without regard to case), in file
// order. A line whose name an earlier line already gave adds its titles to that group.
std::vector<Group> ReadGroups(std::string_view fileText);

// fileText with its first section "Groups" holding `groups`, one line each, followed by the
// lines of that section that did not load (they are never lost). Every other line of the file
// stays byte for byte; without the section and without groups the text is returned unchanged.
std::string RewriteGroups(std::string_view fileText, const std::vector<Group>& groups);
