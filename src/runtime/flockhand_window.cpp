// See flockhand_window.h. Both handles live as long as the program.
#include "runtime/flockhand_window.h"

namespace {

HWND MainWindow = nullptr;
HWND CommandBox = nullptr;

}  // namespace

void AttachFlockhandWindow(HWND mainWindow, HWND commandBox) {
  MainWindow = mainWindow;
  CommandBox = commandBox;
}

HWND FlockhandWindow() { return MainWindow; }

HWND FlockhandCommandBox() { return CommandBox; }
