// The start-up baseline: a Win32 program that registers a class, creates, shows and paints
// one 420x370 window (Flockhand's size) and runs a message loop. Nothing else.
#include "bare_window.h"
#include "minimal_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  HWND window = CreateBareWindow(instance, kMinimalWindowClass);
  return window ? ShowAndRun(window, showCommand) : 1;
}
