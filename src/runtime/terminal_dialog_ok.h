// Answering a terminal's modal dialog within an operation: it is looked for after the command
// that opens it, filled in, its OK pressed, and the terminal is served completely before the
// next one, so that it cannot take the foreground back after Flockhand has.
#pragma once

#include <windows.h>

#include <functional>

// The dialog is looked for `times` times, a pause of everyMs before each look, for as long as
// the terminal exists.
struct DialogLooks {
  DWORD everyMs;
  int times;
};

// Once the dialog shows, fill(dialog) puts in what it must hold (nothing when empty), then OK is
// pressed and the dialog waited for until it is gone and the terminal has answered. Nothing is
// pressed when no dialog showed; a hung terminal costs at most the looks and the bounds of the
// waits.
void PressTerminalDialogOk(HWND terminal, DialogLooks looks,
                           const std::function<void(HWND dialog)>& fill = {});
