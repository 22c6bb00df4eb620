// The text of an INI file (fkh.ini): reading its sections with the rules of the Windows profile
// functions, and rewriting one section whole while every other line of the file stays as it
// was. The text is handled as bytes (ANSI or UTF-8): the names the program uses are ASCII.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// String values are read into 64 units with the terminator, so 63 of them survive.
constexpr std::size_t kProfileValueLimit = 63;

// The file's text after its UTF-8 byte-order mark, if it has one.
std::string_view WithoutBom(std::string_view text);
// Text without the blanks at either end: space, tab, carriage return, line feed, vertical tab and
// form feed. A line that is nothing else is blank.
std::string_view Trim(std::string_view text);
// The name between "[" and the last "]" of a section header; nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line);
// Section and key names compare without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b);

// The lines of the first section `name`, each with its line feed, from the one after its header
// up to the next header: what the profile functions read, for the sections' own readers.
std::vector<std::string_view> SectionLines(std::string_view fileText, std::string_view name);

// The value of key in the first section named `section` (both matched without regard to ASCII
// case), blanks around it and one pair of enclosing quotes removed, cut to kProfileValueLimit.
// nullopt when the section or the key is missing.
std::optional<std::string> ProfileValue(std::string_view fileText, std::string_view section,
                                        std::string_view key);

// True exactly for "TRUE" in any mix of case; a missing value reads as "TRUE".
bool ReadFlag(const std::optional<std::string>& value);

// Asked, in file order, about each line the rewrite would drop: every line of the replaced
// section but the blank ones, and the header and lines of each later section of that name. True
// keeps the line where it stands.
using KeepLine = std::function<bool(std::string_view line)>;

// fileText with its first section `name` replaced by "[name]" and the lines of `body`, if any,
// followed by the lines that keep(line) keeps; without such a section, one is appended at the
// end unless body is empty. Later sections of that name are dropped unless kept; every other line
// is kept byte for byte, and blank lines before the next section stay with it.
std::string RewriteSection(std::string_view fileText, std::string_view name, std::string_view body,
                           const KeepLine& keep = {});
