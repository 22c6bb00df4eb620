// The scene of the terminal benchmarks: "alpha" and "beta" stand-in terminals (100 and 400, or
// 400 and 1600), and the two programs every row compares, each started once: Flockhand and its
// floor, bare_panel.exe --operations, side by side. The benchmark drives both alike: the same
// messages to the same kinds of controls, found the same way.
// Flockhand reads its settings from a Documents folder of the scene's own: alpha 60, and a
// multi-line paste goes to the terminals without confirmation and without clicks. Its first saved
// group holds every terminal.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "harness/documents.h"
#include "harness/process.h"
#include "harness/stand_in.h"
#include "measure.h"

namespace bench {

struct Terminal {
  std::wstring title;
  HWND window;
};

// True when the window's placement reads as shown normal (Flockhand's check before a broadcast).
bool IsNormal(HWND window);

// Flockhand or the floor, with the controls the benchmark sends its triggers to.
struct Program {
  std::string name;
  e2e::Process process;
  HWND main = nullptr, commandBox = nullptr, filterBox = nullptr, list = nullptr;

  // SendMessage to one of its windows, bounded: throws BenchError naming `what` if the program
  // has not handled it within `timeoutMs` (a modal dialog, a hang).
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what,
               UINT timeoutMs = 30000) const;
  LRESULT Command(WPARAM command, const std::string& what) const {
    return Send(main, WM_COMMAND, command, 0, what);
  }
  int RowCount() const;
  int MarkedCount() const;
  // Throws unless the list shows exactly `rows` (count, first and last text).
  void RequireListed(const std::vector<Terminal>& rows, const std::string& when) const;
  void RequireMarked(size_t count, const std::string& when) const;
  // Shows the rows whose title starts with "alpha " (every row when `count` is more than 100)
  // and selects the first `count` of them, as a user's clicks would; checks the marks.
  void Select(size_t count) const;
};

class Stage {
 public:
  // Starts the terminals (hidden ones paint nothing), then the floor and Flockhand, and waits
  // until both list all of them; throws BenchError if any of that fails.
  Stage(int alpha, int beta, bool hidden = false);
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;
  // Closes Flockhand and the floor (WM_CLOSE, by force after 10 s), then the terminals.
  ~Stage();

  // All terminals in title order, as they announced themselves.
  const std::vector<Terminal>& Terminals() const { return terminals_; }
  // The windows of the first `count` of them: the alpha ones come first.
  std::vector<HWND> FirstWindows(size_t count) const;
  const e2e::StandIn& Alpha() const { return alpha_; }
  const e2e::StandIn& Beta() const { return beta_; }
  const Program& Flockhand() const { return flockhand_; }
  const Program& Floor() const { return floor_; }

  // Waits until both programs have painted everything that the last run invalidated and the
  // processor is idle, so that no run pays for the painting of the one before.
  void Settle() const;
  // Settles, then times one SendMessage to a window of the program.
  double Time(const Program& program, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
              const std::string& what) const;
  // Settles, puts the program's focus in its command box, then posts it `command` followed by
  // the command that moves the focus to its filter box; the operation has ended once the focus
  // is there, since a program carries out the commands in the order they come. Meanwhile it
  // sends WM_NULL every 5 ms: the result holds the total time and the longest answer.
  Timed TimePaced(const Program& program, WPARAM command, const std::string& what) const;

 private:
  e2e::ScopedDocumentsFolder documents_;
  e2e::StandIn alpha_;
  e2e::StandIn beta_;
  std::vector<Terminal> terminals_;
  Program floor_;
  Program flockhand_;
};

}  // namespace bench
