// Starting and ending stand-in terminals (vtwin32.exe) and reading what they recorded.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/files.h"
#include "harness/process.h"
#include "harness/record.h"
#include "harness/wait.h"

namespace e2e {

// A message the stand-in only records ("SYNC n", n its lParam): the barrier of StandIn::Sync.
constexpr UINT kSyncMessage = WM_APP + 1;

class StandIn {
 public:
  // Starts vtwin32.exe (next to the tests) with args and, unless args hold a --record=, a fresh
  // record file; waits until every window (--count=N, default 1) has written its READY line.
  // On failure Started() is false and Error() says what went wrong.
  explicit StandIn(std::vector<std::wstring> args = {}, Millis timeout = 10s);
  StandIn(StandIn&&) = default;
  StandIn& operator=(StandIn&&) = default;
  // Close(), then the record file of its own is deleted.
  ~StandIn();

  bool Started() const { return error_.empty(); }
  const std::string& Error() const { return error_; }
  DWORD Pid() const { return process_.Pid(); }
  // The terminal windows in the order of their READY lines.
  const std::vector<HWND>& Windows() const { return windows_; }
  HWND Window(size_t index = 0) const { return windows_.at(index); }

  const std::wstring& RecordPath() const { return recordPath_; }
  std::vector<RecordLine> Record() const { return ReadRecord(recordPath_); }
  // The raw record, for failure messages.
  std::string RecordText() const { return ReadFileBytes(recordPath_).value_or(std::string()); }
  // Polls the record until predicate holds for it.
  bool WaitForRecord(const std::function<bool(const std::vector<RecordLine>&)>& predicate,
                     Millis timeout) const;

  // The barrier before asserting that nothing (more) arrived: posts every window a sync message
  // and waits until each has recorded it, so every message posted to it before has been
  // handled. False if a window did not answer in time (hung or closed).
  bool Sync(Millis timeout = 5s) const;

  // Posts WM_CLOSE to its windows and waits for the process to end; ends it by force (a hung
  // stand-in, a dialog left open) if it has not ended within timeout.
  void Close(Millis timeout = 5s);

 private:
  Process process_;
  std::wstring recordPath_;
  bool ownsRecord_ = false;
  std::vector<HWND> windows_;
  std::string error_;
};

}  // namespace e2e
