// Applying the changes the watch finds to the lists and the rows; see live_list.h.
#include "app/live_list.h"

#include <windows.h>

#include "app/panel_state.h"
#include "runtime/operation.h"
#include "terminals/terminal_model.h"
#include "terminals/terminal_watch.h"

namespace {

// The list box holds the capture from a press of the left button on its rows or its scroll bar
// to the release, also when the pointer has left it.
bool MouseHeldOnList() { return GetCapture() == Panel.TerminalListBox; }

void FollowDesktop() {
  if (OperationRunning() || MouseHeldOnList()) {
    WatchAgainSoon();
    return;
  }
  MergeDesktop(TerminalsNow());
}

}  // namespace

void SwitchLiveList(bool on) {
  if (on) {
    StartWatchingTerminals(FollowDesktop, AllTerminals);
  } else {
    StopWatchingTerminals();
  }
}
