// Push buttons start their operation on the left-button release that reaches them, before
// the button's own handling; the buttons' click notifications are not used.
#pragma once

#include <windows.h>

void AttachButtonOperation(HWND button, void (*operation)());
