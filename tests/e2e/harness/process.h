// Starting the programs under test (without a debugger) and finding them next to the tests.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/wait.h"

namespace e2e {

// The folder of the running test executable, without a trailing backslash.
std::wstring ExeDir();
// ExeDir() + "\" + fileName: flockhand.exe, vtwin32.exe, e2e_probe.exe are built there.
std::wstring NextToTests(std::wstring_view fileName);
// A command line that CommandLineToArgvW splits back into program and args.
std::wstring BuildCommandLine(const std::wstring& program, const std::vector<std::wstring>& args);

// A started program. The destructor ends it if it still runs.
class Process {
 public:
  Process() = default;
  Process(HANDLE process, DWORD pid);
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  bool Started() const { return process_ != nullptr; }
  DWORD Pid() const { return pid_; }
  HANDLE Handle() const { return process_; }
  bool Running() const;
  // True once the process has ended, false if it still runs after timeout.
  bool WaitForExit(Millis timeout) const;
  std::optional<DWORD> ExitCode() const;
  // Ends the process (TerminateProcess) and waits for it to be gone.
  void Terminate();

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Starts program with args. If CreateProcessW fails, Started() is false and GetLastError()
// tells why.
Process StartProcess(const std::wstring& program, const std::vector<std::wstring>& args = {});

}  // namespace e2e
