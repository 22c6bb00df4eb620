// State of the menu-bar switch; see menu_bar.h.
#include "operations/menu_bar.h"

bool MenuBarHidden = false;
