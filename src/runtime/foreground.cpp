// Under Wine each terminal that came forward took the X focus and queued a focus-out event for
// Flockhand's thread, which does not read its input while an operation runs. Read after
// Flockhand is in front again, such an event hands the foreground to the desktop; read before,
// while a terminal is still in front, it changes nothing. GetQueueStatus has Wine read them
// without handling any message; on Windows it only reports the queue's state.
#include "runtime/foreground.h"

#include "runtime/flockhand_window.h"

void BringFlockhandForward() {
  GetQueueStatus(QS_ALLINPUT);
  // Foreground before activation: activating first would hand the X focus over while the last
  // terminal is still in front, and that terminal would then give the foreground away too.
  SetForegroundWindow(FlockhandWindow());
  SetActiveWindow(FlockhandWindow());
}

void BringCommandBoxForward() {
  BringFlockhandForward();
  SetFocus(FlockhandCommandBox());
}
