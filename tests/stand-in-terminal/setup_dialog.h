// Window setup (command 50320): a dialog with the title in edit 201 and a
// "hide menu bar" check box 205, applied on OK.
#pragma once

#include "terminal.h"

constexpr WORD kTitleEditId = 201;
constexpr WORD kHideMenuBarCheckId = 205;

void OpenSetupDialog(Terminal& terminal);
