// What Flockhand knows of the terminal program: the window class of its terminal windows.
#pragma once

// A terminal window is a top-level window of exactly this class (case matters) with a title.
constexpr wchar_t kTerminalWindowClass[] = L"VTWin32";

// Commands a terminal carries out when they are posted to it as WM_COMMAND (wParam, lParam 0).
constexpr unsigned kTerminalPasteCommand = 50230;        // paste the clipboard's text
constexpr unsigned kTerminalWindowSetupCommand = 50320;  // open the window-setup dialog

// Controls of the terminal's dialogs: the setup dialog's title edit and its "hide menu bar"
// check box; OK (1) accepts either dialog.
constexpr int kSetupTitleEdit = 201;
constexpr int kSetupHideMenuBarCheck = 205;

// Zero-based position, in the terminal's system menu, of the item that shows a hidden menu bar.
constexpr int kShowMenuBarMenuPosition = 8;
