// A short notice under the command box, for what a group operation could not do: it shows
// without taking the focus, replaces the one before and hides by itself.
#pragma once

#include <string>

void ShowGroupNotice(const std::wstring& text);
void HideGroupNotice();
