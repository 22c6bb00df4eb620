// Flockhand under test: started as a debuggee, its main window found and its 21 controls
// named by their creation order (children are listed top of z-order first, which is the
// order in which they were created).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/debuggee.h"
#include "harness/input.h"
#include "harness/wait.h"

namespace e2e {

struct Panel {
  HWND commandBox, compactButton, listCaption, filterBox, terminalList, reverseOrder,
      invertSelection, flash, group, refresh, help, counter;
  HWND display, menuBar, area, columnsLabel, columnsEdit, rowsLabel, rowsEdit, arrange, hideOthers;
};

class Flockhand {
 public:
  // Starts program (a copy of flockhand.exe) and waits until its window is shown with all its
  // controls and their twelve tooltips.
  explicit Flockhand(const std::wstring& program = NextToTests(L"flockhand.exe"));
  // One that Start() starts once the test has set up what it must find at start-up.
  struct NotStarted {};
  explicit Flockhand(NotStarted) {}
  // As the first constructor, after End(); whether it is Ready().
  bool Start(const std::wstring& program = NextToTests(L"flockhand.exe"));
  // Ends the program if it still runs (by force) and forgets its window and controls.
  void End();
  bool Ready() const { return main_ != nullptr; }
  HWND Main() const { return main_; }
  const Panel& Controls() const { return panel_; }
  Debuggee& Process() { return *process_; }

  // The control that has the keyboard focus in Flockhand's GUI thread.
  HWND Focus() const;
  // Once no operation runs (one may bring terminals forward), makes Flockhand the foreground
  // window (real activation, as a click on it would).
  bool Activate() const;
  // Whether Flockhand's thread handles a message within timeout: false when it is held, for
  // instance by a dialog of a terminal being closed, or for good.
  bool Answers(Millis timeout) const;
  // Waits until no operation runs. Commands posted to Flockhand wait for a running one, so the
  // caption hints, switched by two posted commands, show when it is over (and are as before).
  bool Idle() const;
  // Waits until Flockhand is idle and its window is in front: after a dialog closes, Wine
  // without a window manager holds the thread for about 2 s.
  bool Settle() const;
  // Waits until control has the keyboard focus.
  bool WaitForFocus(HWND control, Millis timeout = 5s) const;
  // Clicks control and waits until it has the focus, clicking again (at most three times) when
  // the click was lost.
  bool ClickToFocus(HWND control, Millis timeout = 5s) const;
  // Waits until the terminal list shows `rows` rows.
  bool WaitForRows(int rows, Millis timeout = 5s) const;
  // Waits for the rows, selects them all as a user does (Alt+A with Flockhand in front) and
  // waits until every one is marked.
  bool SelectAll(int rows, Millis timeout = 5s) const;
  // Waits until the main window's layered alpha is alpha.
  bool WaitForAlpha(BYTE alpha, Millis timeout = 5s) const;
  // Alt+Space: waits until the system menu shows.
  bool OpenSystemMenu() const;
  // Flockhand's first visible dialog box, waiting for it up to timeout; nullptr if none came.
  HWND Dialog(Millis timeout = 5s) const;
  // Waits until dialog is gone and Flockhand has settled after it.
  bool WaitForClosed(HWND dialog, Millis timeout = 10s) const;
  // The warning boxes ("警告") Flockhand shows.
  std::vector<HWND> Warnings() const;
  // Waits until the notice under the command box shows text.
  bool NoticeShows(const std::wstring& text, Millis timeout = 5s) const;

 private:
  std::unique_ptr<Debuggee> process_;
  HWND main_ = nullptr;
  Panel panel_{};
};

// Text of a list box row or combo box item of another process.
std::wstring ListRowText(HWND listBox, int row);
std::wstring ComboItemText(HWND combo, int item);
int ListRowCount(HWND listBox);
// The texts of all rows, top first.
std::vector<std::wstring> ListRows(HWND listBox);
// The screen point a user clicks to hit a row of a list box that is scrolled to the top.
POINT ListRowPoint(HWND listBox, int row);
// Clicks that row with the modifiers held: kCtrl toggles its mark, kShift extends the marks.
void ClickListRow(HWND listBox, int row, unsigned modifiers = kNoModifiers);
// The rows that are marked in an extended-selection list box.
std::vector<int> MarkedRows(HWND listBox);

}  // namespace e2e
