// Start-up to first paint: from CreateProcess until the program's window is shown, it and its
// controls have painted, and its thread waits for input in its message loop. Each run's
// process is closed (WM_CLOSE) and gone before the next one starts.
//
// WaitForInputIdle cannot tell this under Wine 8: it returns once any thread of the program
// first waits on its message queue, which happens before the window exists (here about 0.1 s
// after CreateProcess, with the window shown only at about 0.4 s). So the end of start-up is
// observed directly, polling every millisecond.
#include <windows.h>

#include <string>

#include "benches.h"
#include "harness/process.h"
#include "harness/text.h"
#include "harness/wait.h"
#include "minimal_window.h"
#include "painting.h"

namespace bench {

namespace {

using namespace std::chrono_literals;

constexpr UINT kAnswerTimeoutMs = 10000;
constexpr int kStartAttempts = 3;

HWND VisibleWindowOf(DWORD pid, const wchar_t* windowClass) {
  for (HWND window = FindWindowExW(nullptr, nullptr, windowClass, nullptr); window;
       window = FindWindowExW(nullptr, window, windowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == pid && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// True once window has painted and its thread has taken a message: WM_NULL is answered only
// when the thread reads its queue, which after UpdateWindow is the message loop.
bool WaitsForInput(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored) &&
         NothingToPaint(window);
}

double TimeStartup(const std::wstring& program, const wchar_t* windowClass) {
  const std::string name = e2e::Utf8(program);
  // Wine's CreateProcess now and then fails at once (error 1359) while the previous run's
  // process is still being torn down; such an attempt is not a run, so try again.
  double start = 0;
  e2e::Process process;
  DWORD startError = 0;
  for (int attempt = 0; attempt < kStartAttempts && !process.Started(); ++attempt) {
    start = NowMicros();
    process = e2e::StartProcess(program);
    startError = GetLastError();
  }
  Require(process.Started(), "could not start " + name + ": error " + std::to_string(startError));
  HWND window = nullptr;
  double ready = 0;
  const bool started = e2e::WaitUntil(
      [&] {
        window = VisibleWindowOf(process.Pid(), windowClass);
        if (!window || !WaitsForInput(window)) return false;
        ready = NowMicros();
        return true;
      },
      30s, 1ms);
  Require(started, name + " did not show and paint its window within 30 s");
  PostMessageW(window, WM_CLOSE, 0, 0);
  Require(process.WaitForExit(10s), name + " did not exit within 10 s of WM_CLOSE");
  return ready - start;
}

struct Program {
  const wchar_t* file;
  const wchar_t* windowClass;
};

// Times program's start-up and baseline's alternately, into result.
void Against(Program program, Program baseline, int runs, Comparison& result) {
  const std::wstring timed = e2e::NextToTests(program.file);
  const std::wstring bare = e2e::NextToTests(baseline.file);
  result.baseline = e2e::Utf8(baseline.file);
  Alternate(
      1, runs, [&] { return TimeStartup(timed, program.windowClass); },
      [&] { return TimeStartup(bare, baseline.windowClass); }, result);
}

const Program kFlockhand = {L"flockhand.exe", L"FLOCKHAND"};
const Program kBarePanel = {L"bare_panel.exe", kBarePanelClass};
const Program kMinimalWindow = {L"minimal_window.exe", kMinimalWindowClass};

}  // namespace

Comparison StartupBench(int runs) {
  Comparison result;
  result.name = "start-up to first paint";
  result.target = 1.15;
  Against(kFlockhand, kBarePanel, runs, result);
  return result;
}

Comparison StartupFloorBench(int runs) {
  Comparison result;
  result.name = "bare_panel.exe start-up";
  Against(kBarePanel, kMinimalWindow, runs, result);
  return result;
}

}  // namespace bench
