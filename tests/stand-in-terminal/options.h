// Command-line options of the stand-in terminal and the parser that fills them
// from the wide process command line.
#pragma once

#include <string>

enum class ShowState { Normal, Minimized, Maximized, Hidden };

struct Options {
  std::wstring title = L"stand-in";
  int count = 1;
  ShowState show = ShowState::Normal;
  std::wstring recordPath;  // empty: nothing is recorded
  std::wstring className = L"VTWin32";
  bool emptyTitle = false;
  bool confirmPaste = false;
  bool noSetupDialog = false;
  bool closeOnSetup = false;
  bool hung = false;
  bool hasPosition = false;
  int x = 0, y = 0, width = 0, height = 0;
};

// More windows than this would exhaust the per-process USER handle quota long
// before anything useful happens, so it is rejected as a malformed option.
constexpr int kMaxCount = 2000;

// Parses a full command line (program name first, as GetCommandLineW returns
// it). On a malformed or unknown option returns false and describes it in error;
// options then holds whatever was parsed before it (notably --record).
bool ParseCommandLine(const wchar_t* commandLine, Options& options, std::wstring& error);
