// The fade benchmark: one fade of Flockhand's window (Alt+T's command with the alpha setting
// 60: 196 alpha changes) against the same 196 SetLayeredWindowAttributes calls on a layered
// window of this process with the main window's styles and size. Runs alternate between
// fading out and fading in, on both sides; each run checks the alpha it ended at.
#include <windows.h>

#include "benches.h"
#include "resource_ids.h"

namespace bench {

namespace {

constexpr BYTE kFaded = 60;
constexpr BYTE kOpaque = 255;
constexpr wchar_t kLayeredClass[] = L"FlockhandBenchLayered";

BYTE Alpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : 0;
}

// A shown window like Flockhand's main window: layered and composited, 420x370, opaque.
HWND CreateLayeredWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
  windowClass.lpszClassName = kLayeredClass;
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_COMPOSITED, kLayeredClass, L"fade baseline",
                                WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX, 0, 0, 420,
                                370, nullptr, nullptr, windowClass.hInstance, nullptr);
  Require(window != nullptr, "could not create the layered window");
  SetLayeredWindowAttributes(window, RGB(255, 255, 255), kOpaque, LWA_ALPHA);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  return window;
}

}  // namespace

Comparison FadeBench(Stage& stage, int runs) {
  Comparison result;
  result.name = "fade to alpha 60 and back";
  result.baseline = "196 alpha calls";
  result.target = 1.1;
  HWND bare = CreateLayeredWindow();
  Require(Alpha(stage.Main()) == kOpaque, "Flockhand's window is not opaque before the fades");
  const auto flockhand = [&] {
    stage.Settle();
    const BYTE end = Alpha(stage.Main()) == kOpaque ? kFaded : kOpaque;
    const double start = NowMicros();
    stage.Send(stage.Main(), WM_COMMAND, IDM_TRANSPARENCY, 0, "the transparency command");
    const double elapsed = NowMicros() - start;
    Require(Alpha(stage.Main()) == end,
            "Flockhand's fade did not end at alpha " + std::to_string(end));
    return elapsed;
  };
  const auto baseline = [&] {
    stage.Settle();
    const bool out = Alpha(bare) == kOpaque;
    const double start = NowMicros();
    for (int step = 0; step <= kOpaque - kFaded; ++step) {
      const int alpha = out ? kOpaque - step : kFaded + step;
      SetLayeredWindowAttributes(bare, RGB(255, 255, 255), static_cast<BYTE>(alpha), LWA_ALPHA);
    }
    const double elapsed = NowMicros() - start;
    Require(Alpha(bare) == (out ? kFaded : kOpaque), "the baseline's fade ended elsewhere");
    return elapsed;
  };
  Alternate(3, runs, flockhand, baseline, result);
  DestroyWindow(bare);
  return result;
}

}  // namespace bench
