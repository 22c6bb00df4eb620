// Parses --name=value options with CommandLineToArgvW, so that titles keep any
// Unicode text and quoting follows the usual Windows rules.
#include "options.h"

#include <windows.h>
#include <shellapi.h>

#include <cerrno>
#include <climits>
#include <cwchar>
#include <vector>

namespace {

bool ParseInt(const std::wstring& text, int& value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  const long parsed = std::wcstol(text.c_str(), &end, 10);
  if (errno != 0 || *end != L'\0' || parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool ParsePosition(const std::wstring& text, Options& options) {
  int values[4];
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = text.find(L',', start);
    const bool last = (i == 3);
    if (last != (comma == std::wstring::npos)) return false;
    const std::wstring part = text.substr(start, last ? std::wstring::npos : comma - start);
    if (!ParseInt(part, values[i])) return false;
    start = comma + 1;
  }
  if (values[2] <= 0 || values[3] <= 0) return false;
  options.hasPosition = true;
  options.x = values[0];
  options.y = values[1];
  options.width = values[2];
  options.height = values[3];
  return true;
}

bool ParseShow(const std::wstring& text, ShowState& show) {
  if (text == L"normal")
    show = ShowState::Normal;
  else if (text == L"min")
    show = ShowState::Minimized;
  else if (text == L"max")
    show = ShowState::Maximized;
  else if (text == L"hidden")
    show = ShowState::Hidden;
  else
    return false;
  return true;
}

// Applies one argument; returns false with error set when it is not understood.
bool ApplyArgument(const std::wstring& arg, Options& options, std::wstring& error) {
  const size_t equals = arg.find(L'=');
  const std::wstring name = arg.substr(0, equals);
  const bool hasValue = equals != std::wstring::npos;
  const std::wstring value = hasValue ? arg.substr(equals + 1) : std::wstring();

  if (!hasValue) {
    if (name == L"--empty-title")
      options.emptyTitle = true;
    else if (name == L"--confirm-paste")
      options.confirmPaste = true;
    else if (name == L"--no-setup-dialog")
      options.noSetupDialog = true;
    else if (name == L"--close-on-setup")
      options.closeOnSetup = true;
    else if (name == L"--hung")
      options.hung = true;
    else {
      error = L"unknown option: " + arg;
      return false;
    }
    return true;
  }

  if (name == L"--title") {
    options.title = value;
  } else if (name == L"--count") {
    if (!ParseInt(value, options.count) || options.count < 1 || options.count > kMaxCount) {
      error = L"--count needs a whole number from 1 to " + std::to_wstring(kMaxCount);
      return false;
    }
  } else if (name == L"--show") {
    if (!ParseShow(value, options.show)) {
      error = L"--show needs normal, min, max or hidden";
      return false;
    }
  } else if (name == L"--record") {
    if (value.empty()) {
      error = L"--record needs a path";
      return false;
    }
    options.recordPath = value;
  } else if (name == L"--class") {
    // RegisterClassW refuses names of 256 characters or more.
    if (value.empty() || value.size() > 255) {
      error = L"--class needs a name of 1 to 255 characters";
      return false;
    }
    options.className = value;
  } else if (name == L"--pos") {
    if (!ParsePosition(value, options)) {
      error = L"--pos needs X,Y,W,H with W and H above zero";
      return false;
    }
  } else {
    error = L"unknown option: " + arg;
    return false;
  }
  return true;
}

}  // namespace

bool ParseCommandLine(const wchar_t* commandLine, Options& options, std::wstring& error) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(commandLine, &argc);
  if (!argv) {
    error = L"the command line could not be split";
    return false;
  }
  std::vector<std::wstring> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  LocalFree(argv);

  // --record is applied first so that a later malformed option can still be
  // reported in the record file the caller is watching.
  for (const std::wstring& arg : args) {
    if (arg.rfind(L"--record=", 0) == 0) {
      std::wstring ignored;
      ApplyArgument(arg, options, ignored);
    }
  }
  for (const std::wstring& arg : args) {
    if (!ApplyArgument(arg, options, error)) return false;
  }
  return true;
}
