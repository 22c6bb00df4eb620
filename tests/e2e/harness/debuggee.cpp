// The debug loop: CreateProcessW(DEBUG_ONLY_THIS_PROCESS), WaitForDebugEvent/ContinueDebugEvent.
#include "harness/debuggee.h"

#include <algorithm>
#include <utility>

#include "harness/text.h"

namespace e2e {

Debuggee::Debuggee(std::vector<std::wstring> args, std::wstring program)
    : thread_(&Debuggee::Run, this, std::move(program), std::move(args)) {
  std::unique_lock lock(mutex_);
  started_.wait(lock, [this] { return startReported_; });
}

Debuggee::~Debuggee() {
  Terminate();
  stopping_ = true;
  thread_.join();
  if (process_) CloseHandle(process_);
}

void Debuggee::Run(std::wstring program, std::vector<std::wstring> args) {
  std::wstring commandLine = BuildCommandLine(program, args);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const bool created = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                      DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr, &startup, &info);
  {
    std::lock_guard lock(mutex_);
    startReported_ = true;
    if (created) {
      pid_ = info.dwProcessId;
      process_ = info.hProcess;
      CloseHandle(info.hThread);
    } else {
      startError_ = GetLastError();
    }
  }
  started_.notify_all();
  if (created) DebugLoop();
}

void Debuggee::DebugLoop() {
  bool initialBreakpointSeen = false;
  ULONGLONG giveUpAt = 0;
  for (;;) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, 100)) {
      // A debuggee that would not die: detach (leaving it running) rather than hang the tests.
      if (!stopping_) continue;
      if (giveUpAt == 0) giveUpAt = GetTickCount64() + 10000;
      if (GetTickCount64() < giveUpAt) continue;
      DebugSetProcessKillOnExit(FALSE);
      DebugActiveProcessStop(pid_);
      return;
    }
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
        break;
      case OUTPUT_DEBUG_STRING_EVENT: ReadDebugString(event.u.DebugString); break;
      case EXCEPTION_DEBUG_EVENT:
        // The loader's breakpoint that announces the attached debugger is ours to swallow;
        // every other exception goes back to the program as if no debugger were there.
        if (!initialBreakpointSeen &&
            event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT) {
          initialBreakpointSeen = true;
        } else {
          status = DBG_EXCEPTION_NOT_HANDLED;
        }
        break;
      case EXIT_PROCESS_DEBUG_EVENT: {
        std::lock_guard lock(mutex_);
        exitCode_ = event.u.ExitProcess.dwExitCode;
        break;
      }
      default: break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) return;
  }
}

void Debuggee::ReadDebugString(const OUTPUT_DEBUG_STRING_INFO& info) {
  // nDebugStringLength counts characters including the terminating NUL. Wine sends narrow text
  // in the process code page even for OutputDebugStringW; Windows may send UTF-16.
  const size_t count = info.nDebugStringLength;
  if (count == 0) return;
  std::wstring text;
  SIZE_T read = 0;
  if (info.fUnicode) {
    text.resize(count);
    if (!ReadProcessMemory(process_, info.lpDebugStringData, text.data(), count * sizeof(wchar_t),
                           &read)) {
      return;
    }
    text.resize(read / sizeof(wchar_t));
  } else {
    std::string narrow(count, '\0');
    if (!ReadProcessMemory(process_, info.lpDebugStringData, narrow.data(), count, &read)) return;
    narrow.resize(read);
    if (!narrow.empty() && narrow.back() == '\0') narrow.pop_back();
    text = FromCodePage(narrow, CP_ACP);
  }
  if (!text.empty() && text.back() == L'\0') text.pop_back();
  std::lock_guard lock(mutex_);
  lines_.push_back(std::move(text));
}

std::vector<std::wstring> Debuggee::DebugLines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

std::optional<std::wstring> Debuggee::WaitForDebugLine(std::wstring_view text,
                                                       Millis timeout) const {
  std::optional<std::wstring> found;
  size_t checked = 0;
  WaitUntil(
      [&] {
        std::lock_guard lock(mutex_);
        for (; checked < lines_.size() && !found; ++checked) {
          if (lines_[checked].find(text) != std::wstring::npos) found = lines_[checked];
        }
        return found.has_value();
      },
      timeout);
  return found;
}

size_t Debuggee::CountDebugLines(std::wstring_view text) const {
  std::lock_guard lock(mutex_);
  return static_cast<size_t>(std::count(lines_.begin(), lines_.end(), text));
}

bool Debuggee::WaitForDebugLines(std::wstring_view text, size_t count, Millis timeout) const {
  return WaitUntil([&] { return CountDebugLines(text) == count; }, timeout);
}

bool Debuggee::WaitForExit(Millis timeout) const {
  return WaitUntil([this] { return ExitCode().has_value(); }, timeout);
}

std::optional<DWORD> Debuggee::ExitCode() const {
  std::lock_guard lock(mutex_);
  return exitCode_;
}

void Debuggee::Terminate() {
  if (!Started() || ExitCode()) return;
  TerminateProcess(process_, 1);
  // The debug thread ends with the EXIT_PROCESS_DEBUG_EVENT that follows.
  WaitForExit(10s);
}

}  // namespace e2e
