// MainWindowProc: one line per message, each calling a named handler. Creation builds the
// panel and fills it; destruction ends the message loop.
#include "app/main_window.h"

#include "app/command_dispatch.h"
#include "app/compact_mode.h"
#include "app/control_panel.h"
#include "app/control_tips.h"
#include "app/frames_menu.h"
#include "app/layout_controls.h"
#include "app/list_rows.h"
#include "app/live_list_menu.h"
#include "app/panel_scale.h"
#include "app/panel_state.h"
#include "app/selection_state.h"
#include "app/transparency_switch.h"
#include "base/debug_lines.h"
#include "base/debug_print.h"
#include "base/dpi_scale.h"
#include "base/notice.h"
#include "base/resource_ids.h"
#include "base/window_dpi.h"
#include "broadcast/reach_notice.h"
#include "frames/frames.h"
#include "groups/group_menu.h"
#include "groups/groups.h"
#include "operations/displays.h"
#include "resources/about_dialog.h"
#include "resources/help_file.h"
#include "resources/image_buttons.h"
#include "runtime/flockhand_window.h"
#include "runtime/operation_guard.h"
#include "settings/settings_file.h"
#include "terminals/discovery.h"
#include "terminals/reach_watch.h"
#include "terminals/terminal_model.h"

// The panel's state (panel_state.h): the main window's, kept here with its procedure.
PanelState Panel;

namespace {

// The command keys: loaded with the window, and kept with their one piece of state. While a key
// is being translated, a command that is also a system-menu item arrives as WM_SYSCOMMAND, sent
// from within the translation; its parameters do not tell it apart reliably (Wine marks it in
// lParam, where a menu choice puts the cursor position).
struct CommandKeys {
  HACCEL table = nullptr;
  bool translating = false;
} Keys;

// The standard system menu of this window style has seven entries; ours follow Close.
void AppendSystemMenuItems(HWND window) {
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_TYPE | MIIM_ID;
  item.fType = MFT_SEPARATOR;
  InsertMenuItemW(systemMenu, 7, TRUE, &item);
  item.fType = MFT_STRING;
  item.wID = IDM_SYS_OPTIONS;
  item.dwTypeData = const_cast<wchar_t*>(L"オプション(&O)");
  InsertMenuItemW(systemMenu, 8, TRUE, &item);
  item.wID = IDM_SYS_ABOUT;
  item.dwTypeData = const_cast<wchar_t*>(L"バージョン情報(&A)...");
  InsertMenuItemW(systemMenu, 9, TRUE, &item);
}

// What the subsystems below need of the panel, handed over once: the frames read their switch
// where the panel keeps it; the rows follow the terminal model, and the panel and the frames hear
// of every change of the selection.
void AttachSubsystems() {
  AttachFlockhandWindow(&Panel.MainWindow, &Panel.CommandBox);
  AttachNotice(&Panel.MainWindow, &Panel.CommandBox);
  AttachFramesSwitch(&Panel.ShowFrames);
  ListenToRows(ShowRowsChange);
  ListenToSelection(RefreshSelectionState);
  ListenToSelection(FollowSelection);
  ListenToSelection(WatchReach);
  ListenToReach(TellReach);
  ListenToReach(FollowReach);
}

LRESULT OnCreate(HWND window) {
  Panel.MainWindow = window;
  Keys.table = LoadAcceleratorsW(Panel.ModuleHandle, MAKEINTRESOURCEW(IDA_FLOCKHAND));
  BuildControlPanel(window);
  AttachSubsystems();
  AppendSystemMenuItems(window);
  RefreshDisplays();
  ReplaceTerminals(DiscoverTerminals());
  if (!RegisterHotKey(window, ID_SUMMON_HOTKEY, MOD_CONTROL | MOD_SHIFT, 'T')) {
    DebugPrint(kHotKeyTakenLine);
  }
  FormChmPath();
  // A layered window is shown only once its attributes are set: start fully opaque.
  SetLayeredWindowAttributes(window, RGB(255, 255, 255), 255, LWA_ALPHA);
  LoadSettings();
  AppendFramesMenuItem(window);
  AppendLiveListMenuItem(window);
  LoadGroups();
  return 0;
}

LRESULT OnDestroy(HWND window) {
  EndHtmlHelp();
  UnregisterHotKey(window, ID_SUMMON_HOTKEY);
  ReleaseButtonImages();
  PostQuitMessage(0);
  return 0;
}

LRESULT OnActivate(WPARAM wParam) {
  const WORD state = LOWORD(wParam);
  if (state == WA_ACTIVE || state == WA_CLICKACTIVE) SetFocus(Panel.CommandBox);
  const bool active = state != WA_INACTIVE && !HIWORD(wParam);
  FollowActivation(active);
  NoticeFollowsActivation(active);
  return 0;
}

LRESULT OnSettingChange(WPARAM wParam) {
  if (LOWORD(wParam) == SPI_SETWORKAREA) RefreshDisplays();
  return 0;
}

// Also asked before WM_CREATE, and while a change of scale applies the suggested rectangle: by
// then the window has its new DPI.
LRESULT OnGetMinMaxInfo(HWND window, LPARAM lParam) {
  auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
  const int dpi = WindowDpi(window);
  limits->ptMinTrackSize.x = ScaleToDpi(kMainWindowWidth, dpi);
  if (Panel.CompactMode) {
    limits->ptMinTrackSize.y = ScaleToDpi(kCompactHeight, dpi);
    limits->ptMaxTrackSize.y = ScaleToDpi(kCompactHeight, dpi);
  } else {
    limits->ptMinTrackSize.y = ScaleToDpi(kMainWindowHeight, dpi);
  }
  return 0;
}

// The two items make the window opaque before their dialogs open. Alt+? and Alt+/ arrive here
// as well, because 104 is also a system-menu item, and they keep the opacity.
LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  const WORD command = LOWORD(wParam);
  if ((command == IDM_SYS_OPTIONS || command == IDM_SYS_ABOUT) && !Keys.translating) {
    ForceOpaque();
  }
  if (command == IDM_SYS_ABOUT) AboutDialog(window);
  if (command == IDM_SYS_OPTIONS) OpenOptions();
  if (command == IDM_SYS_FRAMES) ToggleFramesMenuItem(window);
  if (command == IDM_SYS_LIVE_LIST) ToggleLiveListMenuItem(window);
  return DefWindowProcW(window, WM_SYSCOMMAND, wParam, lParam);
}

// The right button, the menu key or Shift+F10 on the terminal list opens the groups menu; the
// list box passes WM_CONTEXTMENU up to its parent.
LRESULT OnContextMenu(HWND window, WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(wParam) != Panel.TerminalListBox) {
    return DefWindowProcW(window, WM_CONTEXTMENU, wParam, lParam);
  }
  ShowGroupMenu(Panel.TerminalListBox, lParam);
  return 0;
}

LRESULT OnHotKey(WPARAM wParam) {
  if (wParam != ID_SUMMON_HOTKEY) return 0;
  ForceOpaque();
  ShowWindow(Panel.MainWindow, SW_RESTORE);
  SetForegroundWindow(Panel.MainWindow);
  return 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (HeldCommandForOperation(window, message, wParam, lParam)) return 0;
  switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy(window);
    case WM_SIZE: return LayoutControls(window, LOWORD(lParam), HIWORD(lParam));
    case WM_MOVE: FollowAnchor(); return 0;
    case WM_ACTIVATE: return OnActivate(wParam);
    case WM_SETTINGCHANGE: return OnSettingChange(wParam);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(window, lParam);
    case WM_DPICHANGED: return OnDpiChanged(window, *reinterpret_cast<const RECT*>(lParam));
    case WM_DISPLAYCHANGE: RefreshDisplays(); return 0;
    case WM_COMMAND:
      if (DispatchCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_SYSCOMMAND: return OnSysCommand(window, wParam, lParam);
    case WM_HOTKEY: return OnHotKey(wParam);
    case WM_CONTEXTMENU: return OnContextMenu(window, wParam, lParam);
    case kFinishStartupMessage: CreateControlTips(); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

bool TranslateCommandKey(MSG& message) {
  Keys.translating = true;
  const bool translated = TranslateAcceleratorW(Panel.MainWindow, Keys.table, &message) != 0;
  Keys.translating = false;
  return translated;
}
