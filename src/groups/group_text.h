// Named groups of terminal titles and their section of fkh.ini, kept free of <windows.h>.
// Each group is one line, "name = title,title,...". Names and titles are written in ASCII
// alone, whatever the file's encoding: a unit that could be misread (a control character,
// "%", "=", ",", ";", "#", "[", "]", quotes, anything outside ASCII, a blank at either end)
// becomes "%XX" below U+0100 and "%uXXXX" above, one per UTF-16 unit, so that any text,
// unpaired surrogates included, reads back as it was. By hand, UTF-8 text may be written as
// it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/utf16.h"

struct Group {
  Utf16String name;
  std::vector<Utf16String> titles;
};

// Lines past this many loadable ones are kept in the file but not loaded: each group takes
// three menu commands of a fixed range.
constexpr std::size_t kMaxGroups = 1000;

std::string EncodeGroupText(Utf16View text);

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
