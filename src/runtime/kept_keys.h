// The keys typed while an operation runs. Terminals come to the front during one and Flockhand
// does not read its input then, so a key would reach whichever window happened to be in front.
// From the first wait or terminal served until the end, a low-level keyboard hook keeps every
// key that would reach Flockhand, a terminal or a dialog of either, and types them again into
// the command box when the operation is over: each selected terminal gets them once, in order.
// Esc cancels the operation instead and reaches nothing. Keys typed into another program are
// that program's; Alt+Tab, Alt+Esc, Alt+F4 and the Windows key's combinations stay the system's.
#pragma once

// Sets the hook, once per operation.
void StartKeepingKeys();

// Removes the hook and types the kept keys into the command box, Flockhand in front; when
// Flockhand cannot be brought to the front they are dropped rather than typed elsewhere.
void TypeKeptKeys();
