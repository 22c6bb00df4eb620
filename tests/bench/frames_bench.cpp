// The frames around 500 selected terminals, in Flockhand's processor time per second while it
// is in front: while 50 of the terminals move, and while nothing moves. The floor is Flockhand
// with its frames switched off: drawing no frame costs a program nothing of its own, and the
// same process, window and place on screen pay the rest of a move (Wine's handling of the
// terminals' windows, its own window uncovered) alike.
#include <windows.h>

#include "benches.h"
#include "harness/wait.h"
#include "harness/window_find.h"
#include "base/resource_ids.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr size_t kFramed = 500, kMoving = 50;
constexpr double kSpanMicros = 3e6;
constexpr DWORD kStepMs = 20;
constexpr int kStepPixels = 8;

bool FramesShown(const Program& flockhand) {
  for (HWND surface : e2e::TopLevelWindows(flockhand.process.Pid(), L"FlockhandFrames")) {
    if (IsWindowVisible(surface)) return true;
  }
  return false;
}

// Switches the frames with the system menu's item when `on` is not `wanted`, and waits until
// they show or hide.
void SwitchFrames(const Program& flockhand, bool& on, bool wanted) {
  if (on != wanted) {
    flockhand.Send(flockhand.main, WM_SYSCOMMAND, IDM_SYS_FRAMES, 0, "the frames' menu item");
  }
  on = wanted;
  Require(e2e::WaitUntil([&] { return FramesShown(flockhand) == on; }, 10s),
          on ? "the frames did not show" : "the frames did not hide");
}

// Flockhand's processor microseconds per second over 3 s with its frames on or off, the first
// 50 terminals moved to and fro by 8 px every 20 ms meanwhile, or left alone.
Timed CpuPerSecond(const Stage& stage, bool& on, bool framed, bool moving) {
  const Program& flockhand = stage.Flockhand();
  SwitchFrames(flockhand, on, framed);
  const std::vector<HWND> moved = stage.FirstWindows(moving ? kMoving : 0);
  const double cpu = CpuMicros(flockhand.process.Handle()), start = NowMicros();
  for (int step = 0; NowMicros() - start < kSpanMicros; ++step) {
    for (HWND window : moved) {
      const RECT r = e2e::WindowRect(window);
      SetWindowPos(window, nullptr, r.left + (step % 2 ? -kStepPixels : kStepPixels), r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    Sleep(kStepMs);
  }
  const double elapsed = NowMicros() - start;
  Require(FramesShown(flockhand) == framed && GetForegroundWindow() == flockhand.main,
          "Flockhand left the front or its frames changed while they were timed");
  return Timed((CpuMicros(flockhand.process.Handle()) - cpu) * 1e6 / elapsed);
}

}  // namespace

Comparison FramesBench(Stage& stage, int runs, bool moving) {
  Comparison result{moving ? "frames CPU/s, 50 of 500 moving" : "frames CPU/s, 500 idle",
                    "frames off", 0, {}, {}, moving ? 100.0 : 50.0, moving};
  // The frames are on at the start (the default) and after each row.
  bool on = true;
  stage.Flockhand().Select(kFramed);
  Alternate(1, runs, [&] { return CpuPerSecond(stage, on, true, moving); },
            [&] { return CpuPerSecond(stage, on, false, moving); }, result);
  SwitchFrames(stage.Flockhand(), on, true);
  return result;
}

}  // namespace bench
