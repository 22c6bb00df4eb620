// Whole files as bytes: the settings file a test writes before Flockhand starts and reads back,
// the help file Flockhand writes, a stand-in's record.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

bool WriteFileBytes(const std::wstring& path, std::string_view bytes);
// nullopt if the file does not exist or cannot be opened.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

}  // namespace e2e
