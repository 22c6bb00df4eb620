// Process launching, record parsing, polling and check bookkeeping for the
// stand-in terminal's self-test.
#include "selftest_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "harness/process.h"

namespace {

std::wstring StandInExecutable;
bool TestFailed = false;
int RecordCounter = 0;

std::string ReadWholeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string data;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    data.append(buffer, read);
  CloseHandle(file);
  return data;
}

struct EnumContext {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectProcessWindows(HWND hwnd, LPARAM lParam) {
  auto* context = reinterpret_cast<EnumContext*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(hwnd, &processId);
  if (processId == context->processId) context->windows.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
  EnumContext context{processId, {}};
  EnumWindows(CollectProcessWindows, reinterpret_cast<LPARAM>(&context));
  return context.windows;
}

struct OwnedContext {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM lParam) {
  auto* context = reinterpret_cast<OwnedContext*>(lParam);
  if (GetWindow(hwnd, GW_OWNER) == context->owner && IsWindowVisible(hwnd) &&
      IsWindowEnabled(hwnd)) {
    context->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool Check(bool condition, const std::string& what) {
  if (!condition) {
    TestFailed = true;
    std::printf("    FAILED: %s\n", what.c_str());
    std::fflush(stdout);
  }
  return condition;
}

bool CurrentTestFailed() { return TestFailed; }
void StartTest() { TestFailed = false; }

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
}

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string HwndText(HWND hwnd) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
  return text;
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring ControlText(HWND control) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
    return L"<no answer>";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return L"<no answer>";
  }
  text.resize(copied);
  return text;
}

std::wstring ClassName(HWND hwnd) {
  wchar_t name[260];
  const int length = GetClassNameW(hwnd, name, 260);
  return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

bool SetClipboardText(const std::wstring& text) {
  // The clipboard needs an owner window for SetClipboardData to succeed.
  static HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  if (!WaitUntil([] { return OpenClipboard(owner) != FALSE; }, 2000)) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool ok = false;
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!ok) GlobalFree(memory);
  }
  CloseClipboard();
  return ok;
}

void StandIn::SetExecutable(const std::wstring& path) { StandInExecutable = path; }

std::wstring NewRecordPath() {
  wchar_t tempDir[MAX_PATH];
  GetTempPathW(MAX_PATH, tempDir);
  const std::wstring path = std::wstring(tempDir) + L"vtwin32-selftest-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++RecordCounter) + L".log";
  DeleteFileW(path.c_str());
  return path;
}

StandIn::StandIn(const std::vector<std::wstring>& args, const std::wstring& recordPath)
    : recordPath_(recordPath.empty() ? NewRecordPath() : recordPath) {
  std::vector<std::wstring> allArgs = args;
  allArgs.push_back(L"--record=" + recordPath_);
  std::wstring commandLine = e2e::BuildCommandLine(StandInExecutable, allArgs);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(StandInExecutable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process_)) {
    process_ = {};
    Check(false, "could not start vtwin32.exe (error " + std::to_string(GetLastError()) + ")");
  }
}

StandIn::~StandIn() {
  if (Started()) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      for (HWND hwnd : WindowsOfProcess(process_.dwProcessId)) {
        if (GetWindow(hwnd, GW_OWNER) == nullptr) PostMessageW(hwnd, WM_CLOSE, 0, 0);
      }
      if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
      }
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  DeleteFileW(recordPath_.c_str());
}

std::vector<RecordLine> StandIn::Lines() const {
  const std::string data = ReadWholeFile(recordPath_);
  std::vector<RecordLine> lines;
  size_t start = 0;
  for (size_t end; (end = data.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = data.substr(start, end - start);
    RecordLine parsed;
    const size_t first = line.find(' ');
    parsed.hwnd = line.substr(0, first);
    if (first != std::string::npos) {
      const size_t second = line.find(' ', first + 1);
      parsed.event = line.substr(
          first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
      if (second != std::string::npos) {
        parsed.rest = line.substr(second + 1);
        parsed.hasRest = true;
      }
    }
    lines.push_back(parsed);
  }
  return lines;
}

std::vector<RecordLine> StandIn::LinesOf(HWND hwnd, const std::string& event) const {
  std::vector<RecordLine> found;
  const std::string handle = HwndText(hwnd);
  for (const RecordLine& line : Lines()) {
    if (line.hwnd == handle && line.event == event) found.push_back(line);
  }
  return found;
}

std::vector<HWND> StandIn::WaitReady(size_t count, DWORD timeoutMs) {
  std::vector<HWND> windows;
  const bool ready = WaitUntil(
      [&] {
        windows.clear();
        for (const RecordLine& line : Lines()) {
          if (line.event == "READY") {
            windows.push_back(reinterpret_cast<HWND>(
                static_cast<uintptr_t>(std::strtoull(line.hwnd.c_str(), nullptr, 16))));
          }
        }
        return windows.size() >= count;
      },
      timeoutMs);
  if (!Check(ready, "expected " + std::to_string(count) + " READY lines within " +
                        std::to_string(timeoutMs) + " ms, saw " + std::to_string(windows.size()))) {
    windows.clear();
  }
  return windows;
}

bool StandIn::WaitForLine(HWND hwnd, const std::string& event, const char* rest, DWORD timeoutMs) {
  const bool seen = WaitUntil(
      [&] {
        for (const RecordLine& line : LinesOf(hwnd, event)) {
          if (!rest ? !line.hasRest : (line.hasRest && line.rest == rest)) return true;
        }
        return false;
      },
      timeoutMs);
  if (seen) return true;
  Check(false, "no record line \"" + HwndText(hwnd) + ' ' + event +
                   (rest ? std::string(" ") + rest : "") + "\" within " +
                   std::to_string(timeoutMs) + " ms; the window's last lines:");
  const std::string handle = HwndText(hwnd);
  std::vector<std::string> own;
  for (const RecordLine& line : Lines()) {
    if (line.hwnd == handle)
      own.push_back(line.event + (line.hasRest ? ' ' + line.rest : std::string()));
  }
  for (size_t i = own.size() > 12 ? own.size() - 12 : 0; i < own.size(); ++i) {
    std::printf("        %s\n", own[i].c_str());
  }
  return false;
}

bool StandIn::WaitForEvent(HWND hwnd, const std::string& event, DWORD timeoutMs) {
  return Check(WaitUntil([&] { return !LinesOf(hwnd, event).empty(); }, timeoutMs),
               "no " + event + " line for " + HwndText(hwnd) + " within " +
                   std::to_string(timeoutMs) + " ms");
}

bool StandIn::Sync(HWND hwnd) {
  const int id = ++syncId_;
  PostMessageW(hwnd, WM_COMMAND, static_cast<WPARAM>(id), 0);
  return WaitForLine(hwnd, "COMMAND", std::to_string(id).c_str());
}

std::vector<HWND> StandIn::WindowsOfClass(const std::wstring& className) const {
  std::vector<HWND> found;
  for (HWND hwnd : WindowsOfProcess(process_.dwProcessId)) {
    if (ClassName(hwnd) == className) found.push_back(hwnd);
  }
  return found;
}

bool StandIn::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
  if (!Started() || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
    return false;
  return GetExitCodeProcess(process_.hProcess, &exitCode) != FALSE;
}

void StandIn::Kill() {
  if (!Started()) return;
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 5000);
}

HWND FindOwnedEnabledPopup(HWND owner) {
  OwnedContext context{owner, nullptr};
  EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&context));
  return context.found;
}
