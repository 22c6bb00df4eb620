// Runs a program under this process's debugger to collect its OutputDebugString text and its
// exit code: the program's own trace of what it did, read without changing the program.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cwchar>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "base/debug_lines.h"
#include "harness/process.h"
#include "harness/wait.h"

namespace e2e {

// A line Flockhand writes to the debugger: one of base/debug_lines.h's formats, filled in as
// Flockhand fills it.
template <typename... Args>
std::wstring DebugLine(const wchar_t* format, Args... args) {
  wchar_t line[1200];
  const int length = swprintf(line, sizeof(line) / sizeof(line[0]), format, args...);
  return std::wstring(line, static_cast<size_t>(length > 0 ? length : 0));
}

class Debuggee {
 public:
  // Starts program (default: flockhand.exe next to the tests) with args as a debuggee. Debug
  // events go only to the thread that created the process, so a dedicated thread creates it
  // and runs the debug loop; the constructor returns once the process exists (or failed).
  explicit Debuggee(std::vector<std::wstring> args = {},
                    std::wstring program = NextToTests(L"flockhand.exe"));
  Debuggee(const Debuggee&) = delete;
  Debuggee& operator=(const Debuggee&) = delete;
  // Ends a still running debuggee and joins the debug thread.
  ~Debuggee();

  bool Started() const { return pid_ != 0; }
  // Why CreateProcessW failed (0 when it did not).
  DWORD StartError() const { return startError_; }
  DWORD Pid() const { return pid_; }

  // Every OutputDebugString text so far, one entry per call, as sent (a "\n" at its end kept).
  std::vector<std::wstring> DebugLines() const;
  // Waits for a debug text that contains text; returns that whole entry.
  std::optional<std::wstring> WaitForDebugLine(std::wstring_view text, Millis timeout) const;
  // How many debug texts so far are exactly text ("\n" included).
  size_t CountDebugLines(std::wstring_view text) const;
  // Waits until exactly count debug texts are text.
  bool WaitForDebugLines(std::wstring_view text, size_t count, Millis timeout = 10s) const;

  bool WaitForExit(Millis timeout) const;
  // The exit code, once the process has ended.
  std::optional<DWORD> ExitCode() const;
  void Terminate();

 private:
  void Run(std::wstring program, std::vector<std::wstring> args);
  void DebugLoop();
  void ReadDebugString(const OUTPUT_DEBUG_STRING_INFO& info);

  mutable std::mutex mutex_;
  std::condition_variable started_;
  bool startReported_ = false;
  DWORD startError_ = 0;
  DWORD pid_ = 0;
  HANDLE process_ = nullptr;  // owned by the debug thread until it ends
  std::vector<std::wstring> lines_;
  std::optional<DWORD> exitCode_;
  std::atomic<bool> stopping_ = false;  // the destructor waits for the debug thread to end
  std::thread thread_;
};

}  // namespace e2e
