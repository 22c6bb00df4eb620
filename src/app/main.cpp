// Entry point: register the window class, start GDI+, create and show the main window, and
// run the message loop. Every message of the thread is first offered to the accelerator
// table against the main window, then to the group keys, so command keys never reach a control.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include "app/main_window.h"
#include "app/panel_state.h"
#include "base/dpi_scale.h"
#include "base/resource_ids.h"
#include "base/window_dpi.h"
#include "groups/group_keys.h"
#include "resources/help_file.h"
#include "runtime/journal.h"

namespace {

constexpr int kTextCapacity = 100;

ATOM RegisterMainWindowClass(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_FLOCKHAND));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass);
}

// Also how the journal of an operation runs what the user did meanwhile.
void HandleMessage(MSG& message) {
  if (TranslateCommandKey(message) || TranslateGroupKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0)) HandleMessage(message);
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  wchar_t title[kTextCapacity];
  wchar_t className[kTextCapacity];
  LoadStringW(instance, IDS_APP_TITLE, title, kTextCapacity);
  LoadStringW(instance, IDS_WINDOW_CLASS, className, kTextCapacity);
  RegisterMainWindowClass(instance, className);

  // Tooltips come from Common Controls 6, which registers its classes only once loaded.
  INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&commonControls);

  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

  Panel.ModuleHandle = instance;
  // Sized for the system DPI, the scale of the main display, where the window usually comes up.
  const int systemDpi = SystemDpi();
  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_COMPOSITED, className, title,
                                WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, 0, ScaleToDpi(kMainWindowWidth, systemDpi),
                                ScaleToDpi(kMainWindowHeight, systemDpi), nullptr, nullptr,
                                instance, nullptr);
  if (!window) return 0;
  if (const int dpi = WindowDpi(window); dpi != systemDpi) {
    SetWindowPos(window, nullptr, 0, 0, ScaleToDpi(kMainWindowWidth, dpi),
                 ScaleToDpi(kMainWindowHeight, dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(Panel.MainWindow, showCommand);
  UpdateWindow(Panel.MainWindow);
  // Handled before any input, as soon as the message loop runs.
  PostMessageW(Panel.MainWindow, kFinishStartupMessage, 0, 0);

  AttachJournalHandler(HandleMessage);
  StartHtmlHelp();
  const int exitCode = RunMessageLoop();
  Gdiplus::GdiplusShutdown(gdiplusToken);
  return exitCode;
}
