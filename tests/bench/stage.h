// The scene of the terminal benchmarks: "alpha" and "beta" stand-in terminals (100 and 400, or
// 400 and 1600), one running Flockhand with its controls found, and this process's bare list
// box beside it.
// Flockhand reads its settings from a Documents folder of the scene's own: alpha 60, and a
// multi-line paste goes to the terminals without confirmation and without clicks. Its first saved
// group holds every terminal.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bare_list.h"
#include "harness/documents.h"
#include "harness/process.h"
#include "harness/stand_in.h"

namespace bench {

// True when the window's placement reads as shown normal (Flockhand's check before a broadcast).
bool IsNormal(HWND window);

class Stage {
 public:
  // Starts the terminals (hidden ones paint nothing), then Flockhand, and waits until
  // Flockhand lists all of them; throws BenchError if any of that fails.
  Stage(int alpha, int beta, bool hidden = false);
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;
  // Closes Flockhand (WM_CLOSE, by force after 10 s) and the terminals.
  ~Stage();

  // All terminals in Flockhand's title order, as they announced themselves.
  const std::vector<Terminal>& Terminals() const { return terminals_; }
  const e2e::StandIn& Alpha() const { return alpha_; }
  const e2e::StandIn& Beta() const { return beta_; }

  HANDLE Process() const { return flockhand_.Handle(); }
  HWND Main() const { return main_; }
  HWND CommandBox() const { return commandBox_; }
  HWND FilterBox() const { return filterBox_; }
  HWND List() const { return list_; }
  const BareList& Bare() const { return *bare_; }

  // SendMessage to a window of Flockhand, bounded: throws BenchError naming `what` if
  // Flockhand has not handled it within 30 s (a modal dialog, a hang).
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
               const std::string& what) const;

  // Rows of Flockhand's terminal list and the text of one.
  int RowCount() const;
  std::wstring RowText(int row) const;
  // Throws unless Flockhand's list shows exactly `rows` (count, first and last text).
  void RequireListed(const std::vector<Terminal>& rows, const std::string& when) const;
  // Selects exactly the 100 alpha terminals in Flockhand: filter "alpha", then select all.
  void SelectAlpha() const;

  // Waits until Flockhand's window and this process's window have painted everything that
  // the last run invalidated, so that no run pays for the painting of the one before.
  void Settle() const;

 private:
  e2e::ScopedDocumentsFolder documents_;
  e2e::StandIn alpha_;
  e2e::StandIn beta_;
  std::vector<Terminal> terminals_;
  e2e::Process flockhand_;
  HWND main_ = nullptr;
  HWND commandBox_ = nullptr;
  HWND filterBox_ = nullptr;
  HWND list_ = nullptr;
  std::unique_ptr<BareList> bare_;
};

}  // namespace bench
