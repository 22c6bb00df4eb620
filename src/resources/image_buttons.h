// The two buttons that show a picture instead of a caption: the compact-mode button and the
// help button.
#pragma once

#include <windows.h>

// The compact-mode button runs onClick on its button-up and shows the down chevron while
// showsDown() is true (the panel is compact), the up chevron otherwise.
void InstallCompactButtonProc(HWND button, void (*onClick)(), bool (*showsDown)());
void InstallHelpButtonProc(HWND button);

// Releases the decoded images; called when the main window is destroyed, before GDI+ stops.
void ReleaseButtonImages();
