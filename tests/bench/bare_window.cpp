// See bare_window.h.
#include "bare_window.h"

#include "base/dpi_scale.h"
#include "base/window_dpi.h"

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND CreateBareWindow(HINSTANCE instance, const wchar_t* windowClass, WNDPROC procedure,
                      DWORD exStyle) {
  WNDCLASSEXW registration{};
  registration.cbSize = sizeof(registration);
  registration.lpfnWndProc = procedure;
  registration.hInstance = instance;
  registration.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  registration.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  registration.lpszClassName = windowClass;
  if (!RegisterClassExW(&registration)) return nullptr;
  const int dpi = SystemDpi();
  return CreateWindowExW(exStyle, windowClass, L"Baseline",
                         WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, CW_USEDEFAULT, 0,
                         ScaleToDpi(420, dpi), ScaleToDpi(370, dpi), nullptr, nullptr, instance,
                         nullptr);
}

int ShowAndRun(HWND window, int showCommand) {
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
