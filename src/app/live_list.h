// The terminal list that keeps itself current (the system menu's switch). What the watch finds is
// folded into the lists and made to the rows one by one, at a moment when it cannot surprise the
// user: never while an operation runs (the lists it serves stay as they were until its end) and
// never while a mouse button is held on the list (the row under the pointer would move). The
// first visible row, the caret and the anchor stay on their terminals. A selected terminal that
// closes leaves the selection, and the counter, the buttons, the grid suggestion and the frames
// follow as after a click; a new terminal is never selected by itself.
#pragma once

void SwitchLiveList(bool on);
