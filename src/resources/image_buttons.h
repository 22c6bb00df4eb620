// The two buttons that show a picture instead of a caption: the compact-mode button and the
// help button.
#pragma once

#include <windows.h>

void InstallCompactButtonProc(HWND button);
void InstallHelpButtonProc(HWND button);

// Releases the decoded images; called when the main window is destroyed, before GDI+ stops.
void ReleaseButtonImages();
