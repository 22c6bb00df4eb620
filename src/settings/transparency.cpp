// Window transparency through the layered-window alpha of the main window.
#include "settings/transparency.h"

#include <windows.h>

#include "panel.h"

bool IsTransparent = false;

void ForceOpaque() {
  SetLayeredWindowAttributes(MainWindow, RGB(255, 255, 255), 255, LWA_ALPHA);
  IsTransparent = false;
}
