// Alt+Shift+1 to Alt+Shift+9 recall the first nine groups from anywhere in the window.
#pragma once

#include <windows.h>

// Called by the message loop after the accelerator table: true when the message was one of
// the keys and has been acted on.
bool TranslateGroupKey(const MSG& message);
