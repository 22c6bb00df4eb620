// Support for vtwin32_selftest: check counting, polling with deadlines, and a
// handle on one running vtwin32.exe together with its record file.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/text.h"

// Generous: a cold Wine start of a process can take several seconds.
constexpr DWORD kTimeoutMs = 20000;

// Records a failed check of the running test (and prints it) when !condition.
// Returns condition so callers can stop early.
bool Check(bool condition, const std::string& what);
bool CurrentTestFailed();
void StartTest();

// Polls condition every 10 ms until it holds or timeoutMs has passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);

bool RunningOnWine();

std::string HwndText(HWND hwnd);  // 16 upper-case hex digits, as in the record

// Text of a top-level window of another process (kept by the system).
std::wstring WindowText(HWND hwnd);
// Text of a control of another process, asked of the control with WM_GETTEXT.
std::wstring ControlText(HWND control);
std::wstring ClassName(HWND hwnd);

// Puts text on the clipboard as CF_UNICODETEXT.
bool SetClipboardText(const std::wstring& text);

// A fresh path in the temp folder for a record file.
std::wstring NewRecordPath();

struct RecordLine {
  std::string hwnd;   // first field
  std::string event;  // second field
  std::string rest;   // everything after "<hwnd> <event> ", possibly empty
  bool hasRest = false;
};

class StandIn {
 public:
  static void SetExecutable(const std::wstring& path);

  // Starts vtwin32.exe with args and a --record file of its own, or the
  // given one (which several stand-ins may share).
  explicit StandIn(const std::vector<std::wstring>& args, const std::wstring& recordPath = {});
  ~StandIn();
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD ProcessId() const { return process_.dwProcessId; }

  // Complete lines of the record so far.
  std::vector<RecordLine> Lines() const;
  // Lines of one window with one event name.
  std::vector<RecordLine> LinesOf(HWND hwnd, const std::string& event) const;

  // Waits for count READY lines and returns their windows in order; empty
  // (after a failed check) on timeout.
  std::vector<HWND> WaitReady(size_t count, DWORD timeoutMs = kTimeoutMs);

  // Waits for "<hwnd> <event> <rest>" (or "<hwnd> <event>" when rest is null).
  bool WaitForLine(HWND hwnd, const std::string& event, const char* rest,
                   DWORD timeoutMs = kTimeoutMs);

  // Waits for any line of hwnd with this event name.
  bool WaitForEvent(HWND hwnd, const std::string& event, DWORD timeoutMs = kTimeoutMs);

  // Posts a WM_COMMAND with an id the terminal only records, then waits for
  // it: every message posted before it has then been handled.
  bool Sync(HWND hwnd);

  // Top-level windows of this process whose class name is exactly className.
  std::vector<HWND> WindowsOfClass(const std::wstring& className) const;

  bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);
  void Kill();

 private:
  PROCESS_INFORMATION process_{};
  std::wstring recordPath_;
  int syncId_ = 40100;
};

// An enabled, visible window owned by owner, found by walking top-level windows.
HWND FindOwnedEnabledPopup(HWND owner);
