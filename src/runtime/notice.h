// A short notice under the command box, for what an operation could not do: it shows without
// taking the focus, replaces the one before and hides by itself.
#pragma once

#include <string>

void ShowNotice(const std::wstring& text);
void HideNotice();
