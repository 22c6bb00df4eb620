// See flockhand_window.h. Both handles live as long as the program.
#include "runtime/flockhand_window.h"

namespace {

// Where the panel keeps them.
struct {
  const HWND* mainWindow = nullptr;
  const HWND* commandBox = nullptr;
} Kept;

}  // namespace

void AttachFlockhandWindow(const HWND* mainWindow, const HWND* commandBox) {
  Kept.mainWindow = mainWindow;
  Kept.commandBox = commandBox;
}

HWND FlockhandWindow() { return Kept.mainWindow ? *Kept.mainWindow : nullptr; }

HWND FlockhandCommandBox() { return Kept.commandBox ? *Kept.commandBox : nullptr; }
