// A stranger's hhctrl.ocx without HtmlHelpW, planted by the help test next to flockhand.exe: had
// Flockhand loaded it, help would show nothing.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
