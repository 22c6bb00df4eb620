// Whether the selected terminals' menu bars were last switched off; the menu-bar button's
// caption names the next press.
#pragma once

extern bool MenuBarHidden;
