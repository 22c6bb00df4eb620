// fkh.ini, the file in the Documents folder that keeps the settings and the sections of the
// frames and the groups. Each reads its own section from the text and rewrites only that.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The file's text as the section readers take it (its bytes, or UTF-8 for a UTF-16 file): empty
// when there is no file; nullopt without a Documents folder, or when the file cannot be read
// whole or lies past the size bound.
std::optional<std::string> ReadIniText();

// Replaces the file's text with rewrite(its text): the new text goes to a file beside it that
// then replaces it, so a failed write leaves the old file whole. False when nothing was written,
// also when the new text would lie past the size bound, since a file past it is no longer read.
bool RewriteIniFile(const std::function<std::string(std::string_view)>& rewrite);

// A switch kept as one key, "TRUE" or "FALSE", in a section of its own: the file's value (anything
// but "TRUE" in any case is off), `missing` when the key is absent; nullopt when the file cannot
// be read.
std::optional<bool> ReadIniSwitch(std::string_view section, std::string_view key, bool missing);
// Rewrites that section as the one key; false when nothing was written.
bool WriteIniSwitch(std::string_view section, std::string_view key, bool on);
