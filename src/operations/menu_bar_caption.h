// The menu-bar button's caption names what its next press does, with "(M)" while caption hints
// are on. Free of <windows.h>.
#pragma once

#include "utf16.h"

const Utf16Unit* MenuBarCaption(bool menuBarHidden, bool captionHints);
