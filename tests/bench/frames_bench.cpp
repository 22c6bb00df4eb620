// The frames around 500 selected terminals, in Flockhand's processor time per second: while 50
// of the terminals move, against the same moves with the frames switched off (the floor, where a
// move costs Flockhand nothing), and while nothing moves.
#include <windows.h>

#include <cstdio>
#include <string>

#include "benches.h"
#include "harness/wait.h"
#include "harness/window_find.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr UINT kFramesItem = 160;  // the system menu's switch
constexpr size_t kMoving = 50;
constexpr DWORD kSpanMs = 3000, kStepMs = 20;

double CpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  Require(GetProcessTimes(process, &created, &exited, &kernel, &user),
          "could not read Flockhand's processor times");
  const auto ms = [](const FILETIME& t) {  // in units of 100 ns
    return ULARGE_INTEGER{{t.dwLowDateTime, t.dwHighDateTime}}.QuadPart / 1e4;
  };
  return ms(kernel) + ms(user);
}

bool SurfacesShown(const Stage& stage) {
  for (HWND surface : e2e::TopLevelWindows(GetProcessId(stage.Process()), L"FlockhandFrames")) {
    if (IsWindowVisible(surface)) return true;
  }
  return false;
}

// Flockhand's processor milliseconds per second over kSpanMs, the first kMoving terminals moved
// back and forth by 8 px every kStepMs meanwhile, or left alone.
double CpuPerSecond(const Stage& stage, bool moving) {
  const double before = CpuMs(stage.Process());
  const ULONGLONG start = GetTickCount64();
  for (int step = 0; GetTickCount64() - start < kSpanMs; ++step) {
    for (size_t i = 0; moving && i < kMoving; ++i) {
      const HWND window = stage.Terminals()[i].window;
      const RECT r = e2e::WindowRect(window);
      SetWindowPos(window, nullptr, r.left + (step % 2 ? -8 : 8), r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    Sleep(kStepMs);
  }
  return (CpuMs(stage.Process()) - before) * 1000 / static_cast<double>(GetTickCount64() - start);
}

void SwitchFrames(const Stage& stage, bool on) {
  stage.Send(stage.Main(), WM_SYSCOMMAND, kFramesItem, 0, "the frames' menu item");
  Require(e2e::WaitUntil([&] { return SurfacesShown(stage) == on; }, 10s),
          on ? "the frames did not show" : "the frames did not hide");
}

}  // namespace

void FramesBench(Stage& stage) {
  SelectEveryTerminal(stage);
  Require(SetForegroundWindow(stage.Main()) &&
              e2e::WaitUntil([&] { return GetForegroundWindow() == stage.Main(); }, 10s),
          "Flockhand did not come to the front");
  Require(e2e::WaitUntil([&] { return SurfacesShown(stage); }, 10s), "the frames did not show");
  const double idle = CpuPerSecond(stage, false);
  const double framed = CpuPerSecond(stage, true);
  Require(SurfacesShown(stage) && GetForegroundWindow() == stage.Main(),
          "the frames were not shown all along");
  SwitchFrames(stage, false);
  const double floor = CpuPerSecond(stage, true);
  SwitchFrames(stage, true);
  std::printf("\n%-44s %10s %10s %10s  %s\n", "frames, 500 selected (processor ms per s)",
              "Flockhand", "floor", "target", "result");
  const auto row = [](const char* name, double value, double base, double target) {
    std::printf("%-44s %10.1f %10.1f %7s%.0f  %s\n", name, value, base, "<= ", target,
                value - base <= target ? "PASS" : "MISS");
  };
  row("50 of them moving, over the floor", framed, floor, 100);
  row("nothing moving", idle, 0, 50);
  std::fflush(stdout);
}

}  // namespace bench
