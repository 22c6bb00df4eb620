// The terminal window: its per-window state, the command ids it answers, and
// the functions the entry point and the dialogs use to create and change it.
#pragma once

#include <windows.h>

#include <string>

#include "options.h"

// WM_COMMAND ids the terminal acts on (the same values Flockhand sends).
constexpr WORD kPasteCommand = 50230;
constexpr WORD kSetupWindowCommand = 50320;

// System-menu item that brings a hidden menu bar back. The low four bits of a
// WM_SYSCOMMAND id belong to the system, so they are zero here.
constexpr WORD kShowMenuBarCommand = 0xC440;

struct Terminal {
  HWND hwnd = nullptr;
  const Options* options = nullptr;
  std::wstring screen;      // text shown in the client area
  HMENU menuBar = nullptr;  // kept while hidden so it can be put back
  bool menuHidden = false;
  bool dialogOpen = false;  // a paste-confirmation or setup dialog runs
  bool placementRecorded = false;
  UINT lastShowCmd = 0;
  RECT lastNormal{};
};

bool RegisterTerminalClass(HINSTANCE instance, const Options& options);

// Creates (hidden) terminal number index, 1-based, of options.count.
HWND CreateTerminal(HINSTANCE instance, const Options& options, int index);

// Gives the window its initial show state and records its READY line.
void ShowTerminal(HWND hwnd, ShowState show);

Terminal* TerminalFromWindow(HWND hwnd);

// Adds typed or pasted text to the screen as a terminal would echo it.
void AppendToScreen(Terminal& terminal, const std::wstring& text);

// Hides or shows the menu bar; records MENUBAR when the state changes. While
// it is hidden the system menu carries a separator and kShowMenuBarCommand at
// positions 7 and 8, right after the seven standard entries.
void SetMenuBarHidden(Terminal& terminal, bool hidden);
