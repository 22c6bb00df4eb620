// The floor of every benchmark row but start-up: what bare_panel.exe --operations does with the
// commands the benchmark sends to Flockhand.
#pragma once

#include <windows.h>

#include <vector>

// The controls of bare_panel.exe that the floor's commands use.
struct FloorPanel {
  HWND main, commandBox, filterBox, list, menuBarButton, columnsEdit, rowsEdit, counter;
  std::vector<HWND> operations;  // the seven window-operation controls, in Flockhand's order
  std::vector<HWND> tipped;      // the twelve controls that carry a tooltip in Flockhand
};
extern FloorPanel Panel;

// Gives the tipped controls a tooltip each, as Flockhand has them, makes the layered window
// opaque, and lists the terminals with none selected.
void StartOperations();

// The window procedure of the floor's main window.
LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
