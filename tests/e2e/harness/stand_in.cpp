// StandIn: vtwin32.exe processes with a record file per process.
#include "harness/stand_in.h"

#include <atomic>

#include "harness/text.h"

namespace e2e {

namespace {

std::wstring FreshRecordPath() {
  static std::atomic<unsigned> counter = 0;
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  return std::wstring(temp) + L"vtwin32-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter) + L".record";
}

bool StartsWith(const std::wstring& text, std::wstring_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

StandIn::StandIn(std::vector<std::wstring> args, Millis timeout) {
  size_t count = 1;
  for (const auto& arg : args) {
    if (StartsWith(arg, L"--record=")) recordPath_ = arg.substr(9);
    if (StartsWith(arg, L"--count=")) count = std::wcstoul(arg.c_str() + 8, nullptr, 10);
  }
  if (recordPath_.empty()) {
    recordPath_ = FreshRecordPath();
    ownsRecord_ = true;
    DeleteFileW(recordPath_.c_str());
    args.push_back(L"--record=" + recordPath_);
  }
  const std::wstring program = NextToTests(L"vtwin32.exe");
  process_ = StartProcess(program, args);
  if (!process_.Started()) {
    error_ = "could not start " + Utf8(program) + ": error " + std::to_string(GetLastError());
    return;
  }
  std::vector<RecordLine> ready;
  const bool allReady = WaitUntil(
      [&] {
        ready = Events(Record(), nullptr, L"READY");
        return ready.size() >= count || !process_.Running();
      },
      timeout);
  for (const auto& line : ready) windows_.push_back(line.window);
  if (!allReady || ready.size() < count) {
    error_ = Utf8(BuildCommandLine(program, args)) + " reported " + std::to_string(ready.size()) +
             " of " + std::to_string(count) + " READY lines" +
             (process_.Running() ? " in time" : " and ended") + "; record:\n" + RecordText();
  }
}

StandIn::~StandIn() {
  if (recordPath_.empty()) return;  // moved from
  Close();
  if (ownsRecord_) DeleteFileW(recordPath_.c_str());
}

bool StandIn::WaitForRecord(const std::function<bool(const std::vector<RecordLine>&)>& predicate,
                            Millis timeout) const {
  return WaitUntil([&] { return predicate(Record()); }, timeout);
}

bool StandIn::Sync(Millis timeout) const {
  static std::atomic<LPARAM> counter = 0;
  const LPARAM mark = ++counter;
  for (HWND window : windows_) PostMessageW(window, kSyncMessage, 0, mark);
  const std::wstring expected = std::to_wstring(mark);
  return WaitForRecord(
      [&](const std::vector<RecordLine>& record) {
        for (HWND window : windows_) {
          bool seen = false;
          for (const auto& line : Events(record, window, L"SYNC")) seen |= line.args == expected;
          if (!seen) return false;
        }
        return true;
      },
      timeout);
}

void StandIn::Close(Millis timeout) {
  if (!process_.Running()) return;
  for (HWND window : windows_) PostMessageW(window, WM_CLOSE, 0, 0);
  if (!WaitUntil([this] { return !process_.Running(); }, timeout)) process_.Terminate();
}

}  // namespace e2e
