// Entry point of vtwin32.exe, a stand-in for the Tera Term window that records
// every message reaching it. The message loop deliberately never calls
// TranslateMessage for the terminals.
#include <windows.h>

#include "dialog.h"
#include "options.h"
#include "record.h"
#include "terminal.h"

namespace {

constexpr int kExitBadArguments = 2;
constexpr int kExitStartFailed = 3;

int RunMessageLoop() {
  MSG message;
  BOOL result;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return kExitStartFailed;
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Options options;
  std::wstring error;
  const bool parsed = ParseCommandLine(GetCommandLineW(), options, error);
  if (!options.recordPath.empty() && !OpenRecord(options.recordPath)) return kExitStartFailed;
  if (!parsed) {
    RecordEventText(nullptr, "BADARGS", error);
    return kExitBadArguments;
  }
  if (!RegisterTerminalClass(instance, options)) {
    RecordEventText(nullptr, "STARTFAIL", L"RegisterClassExW failed");
    return kExitStartFailed;
  }
  InstallDialogLoopFilter();
  // Each window is complete and shown before the next is made, so READY
  // lines arrive in window order.
  for (int index = 1; index <= options.count; ++index) {
    HWND hwnd = CreateTerminal(instance, options, index);
    if (!hwnd) {
      RecordEventText(nullptr, "STARTFAIL",
                      L"CreateWindowExW failed for window " + std::to_wstring(index));
      return kExitStartFailed;
    }
    ShowTerminal(hwnd, options.show);
  }
  if (options.hung) {
    // A hung application: the windows exist but their queue is never read.
    for (;;) Sleep(INFINITE);
  }
  return RunMessageLoop();
}
