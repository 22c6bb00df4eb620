// WM_COMMAND of the main window: accelerator commands and the notifications of the filter
// box and the terminal list.
#pragma once

// False for identifiers the program does not handle; they go to default processing.
bool DispatchCommand(int id, int notification);
