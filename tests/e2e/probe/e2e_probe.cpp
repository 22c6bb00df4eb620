// e2e_probe.exe: a console program that does what its arguments say, in order, so that the
// harness self-tests can check the debugger and process helpers against known behaviour.
//   --debug=TEXT  OutputDebugStringW(TEXT); "\n" in TEXT stands for a line feed
//   --raise       raises an exception that its own vectored handler handles, then reports
//                 "raise: handled by the program" or "raise: not seen by the program"
//   --sleep       sleeps until ended from outside
//   --exit=N      exits with code N (decimal)
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

constexpr DWORD kProbeException = 0xE0000001;
bool exceptionSeen = false;

LONG CALLBACK OnException(EXCEPTION_POINTERS* pointers) {
  if (pointers->ExceptionRecord->ExceptionCode != kProbeException) return EXCEPTION_CONTINUE_SEARCH;
  exceptionSeen = true;
  return EXCEPTION_CONTINUE_EXECUTION;
}

std::wstring WithLineFeeds(const wchar_t* text) {
  std::wstring out;
  for (; *text; ++text) {
    if (text[0] == L'\\' && text[1] == L'n') {
      out += L'\n';
      ++text;
    } else {
      out += *text;
    }
  }
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i) {
    const wchar_t* arg = argv[i];
    if (std::wcsncmp(arg, L"--debug=", 8) == 0) {
      OutputDebugStringW(WithLineFeeds(arg + 8).c_str());
    } else if (std::wcscmp(arg, L"--raise") == 0) {
      AddVectoredExceptionHandler(1, OnException);
      RaiseException(kProbeException, 0, 0, nullptr);
      OutputDebugStringW(exceptionSeen ? L"raise: handled by the program"
                                       : L"raise: not seen by the program");
    } else if (std::wcscmp(arg, L"--sleep") == 0) {
      Sleep(INFINITE);
    } else if (std::wcsncmp(arg, L"--exit=", 7) == 0) {
      return static_cast<int>(std::wcstoul(arg + 7, nullptr, 10));
    }
  }
  return 0;
}
