// See flockhand_window.h. Both handles live as long as the program.
#include "runtime/flockhand_window.h"

namespace {

// Where the panel keeps them.
const HWND* MainWindow = nullptr;
const HWND* CommandBox = nullptr;

}  // namespace

void AttachFlockhandWindow(const HWND* mainWindow, const HWND* commandBox) {
  MainWindow = mainWindow;
  CommandBox = commandBox;
}

HWND FlockhandWindow() { return MainWindow ? *MainWindow : nullptr; }

HWND FlockhandCommandBox() { return CommandBox ? *CommandBox : nullptr; }
