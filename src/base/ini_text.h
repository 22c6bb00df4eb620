// The text of an INI file (fkh.ini): reading its sections with the rules of the Windows profile
// functions, and rewriting one section whole while every other line of the file stays as it
// was. The text is handled as bytes (ANSI or UTF-8): the names the program uses are ASCII.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// String values are read into 64 units with the terminator, so 63 of them survive.
constexpr std::size_t kProfileValueLimit = 63;

// Lines of the file as the profile functions see them, for the other sections' own readers.
// The next line of rest with its line feed, taken off rest.
std::string_view NextLine(std::string_view& rest);
// The name between "[" and the last "]" of a section header; nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line);
// Section and key names compare without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b);

// The value of key in the first section named `section` (both matched without regard to ASCII
// case), blanks around it and one pair of enclosing quotes removed, cut to kProfileValueLimit.
// nullopt when the section or the key is missing.
std::optional<std::string> ProfileValue(std::string_view fileText, std::string_view section,
                                        std::string_view key);

// True exactly for "TRUE" in any mix of case; a missing value reads as "TRUE".
bool ReadFlag(const std::optional<std::string>& value);

// fileText with its first section `name` replaced by "[name]" and the lines of `body` (or,
// without one, the section appended at the end); later sections of that name are dropped, every
// other line is kept byte for byte.
std::string RewriteSection(std::string_view fileText, std::string_view name, std::string_view body);
