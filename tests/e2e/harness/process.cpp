// Process start-up and lifetime: CreateProcessW, exit codes, termination.
#include "harness/process.h"

#include <utility>

namespace e2e {

std::wstring ExeDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (size < path.size()) {
      path.resize(size);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring NextToTests(std::wstring_view fileName) {
  return ExeDir() + L"\\" + std::wstring(fileName);
}

namespace {

// Quotes one argument by the rules CommandLineToArgvW and the C runtime parse with:
// backslashes double only when they precede a quote.
std::wstring Quote(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

}  // namespace

std::wstring BuildCommandLine(const std::wstring& program, const std::vector<std::wstring>& args) {
  std::wstring line = Quote(program);
  for (const auto& arg : args) line += L" " + Quote(arg);
  return line;
}

Process::Process(HANDLE process, DWORD pid) : process_(process), pid_(pid) {}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), pid_(std::exchange(other.pid_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Terminate();
    if (process_) CloseHandle(process_);
    process_ = std::exchange(other.process_, nullptr);
    pid_ = std::exchange(other.pid_, 0);
  }
  return *this;
}

Process::~Process() {
  Terminate();
  if (process_) CloseHandle(process_);
}

bool Process::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(Millis timeout) const {
  return process_ &&
         WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  DWORD code = 0;
  if (Running() || !process_ || !GetExitCodeProcess(process_, &code)) return std::nullopt;
  return code;
}

void Process::Terminate() {
  if (!Running()) return;
  TerminateProcess(process_, 1);
  WaitForExit(10s);
}

Process StartProcess(const std::wstring& program, const std::vector<std::wstring>& args) {
  std::wstring commandLine = BuildCommandLine(program, args);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info)) {
    return {};
  }
  CloseHandle(info.hThread);
  return Process(info.hProcess, info.dwProcessId);
}

}  // namespace e2e
