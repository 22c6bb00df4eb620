// The dialog that asks for a group's name, when saving the selection and when renaming.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// Asked with a name that is not empty when OK is pressed; false keeps the dialog open.
using NameCheck = std::function<bool(HWND dialog, const std::wstring& name)>;

// Shows dialog IDD_GROUP_NAME with the caption and the name to start from; the name taken, or
// nullopt on Cancel.
std::optional<std::wstring> AskGroupName(const wchar_t* caption, const std::wstring& name,
                                         const NameCheck& check);
